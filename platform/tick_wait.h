// The game's millisecond tick, counted on the monotonic clock from an origin,
// and the wait for it: one absolute sleep to the very nanosecond at which the
// tick reaches its target, so a frame starts as soon as the system wakes the
// thread and no wait ever spins or steps short.
#pragma once

#include <cstdint>

namespace platform {

// The clock the tick is counted on, in nanoseconds.
class NanosecondClock {
 public:
  virtual ~NanosecondClock() = default;
  virtual int64_t Now() = 0;
  // Sleeps until Now() has reached the deadline; never returns early.
  virtual void SleepUntil(int64_t deadline) = 0;
};

// CLOCK_MONOTONIC, slept on with clock_nanosleep to an absolute deadline,
// so that a late wake-up never adds to the next wait.
class MonotonicClock : public NanosecondClock {
 public:
  int64_t Now() override;
  void SleepUntil(int64_t deadline) override;
};

// Whole milliseconds since the origin, wrapping at 2^32.
class MillisecondTick {
 public:
  MillisecondTick(NanosecondClock& clock, int64_t origin) : clock_(clock), origin_(origin) {}
  uint32_t Now() const;
  // Returns once Now() has reached target, compared as a signed difference,
  // so across the wrap too; at once if it already has.
  void WaitFor(uint32_t target) const;

 private:
  int64_t ElapsedMilliseconds() const;

  NanosecondClock& clock_;
  int64_t origin_;
};

}  // namespace platform
