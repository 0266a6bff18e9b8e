// Waiting for the millisecond tick without spinning. The tick steps at the
// same point of every millisecond of the finer clock it is counted on; once
// that point has been seen, a wait sleeps right up to the step it needs.
#pragma once

#include <cstdint>

namespace platform {

// The clocks a tick wait runs on.
class TickClocks {
 public:
  virtual ~TickClocks() = default;
  // The millisecond tick; wraps at 2^32.
  virtual uint32_t Ticks() = 0;
  // The finer clock the tick is counted on, in nanoseconds.
  virtual int64_t Nanoseconds() = 0;
  // Sleeps until Nanoseconds() has reached the deadline; never returns early.
  virtual void SleepUntil(int64_t deadline) = 0;
};

class TickWaiter {
 public:
  // Returns once Ticks() has reached target (compared as a signed difference,
  // so across the wrap too), a fraction of a millisecond after it did.
  void WaitFor(uint32_t target, TickClocks& clocks);

 private:
  bool LearnStepPoint(TickClocks& clocks);

  int64_t stepPoint_ = -1;  // nanoseconds into each millisecond at which the tick steps; -1 unknown
  bool watchDue_ = true;    // the next wait first watches the tick step
  int waitsSinceWatching_ = 0;
  int misses_ = 0;  // sleeps in a row past a due step that found the tick unchanged
};

}  // namespace platform
