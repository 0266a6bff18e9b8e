// Sleeping to a deadline on SDL's high-resolution counter, the clock SDL's
// millisecond tick is counted on: an absolute sleep on the monotonic clock,
// so a late wake-up never adds to the next one.
#pragma once

#include <cstdint>

#include "platform/tick_wait.h"

namespace platform {

// SDL's high-resolution counter in nanoseconds.
int64_t CounterNanoseconds();
// Returns once CounterNanoseconds() has reached the deadline, as soon after it as the system wakes the thread.
void SleepUntilCounterNanoseconds(int64_t deadline);

// SDL's millisecond tick with its counter and the sleep above.
class SdlTickClocks : public TickClocks {
 public:
  uint32_t Ticks() override;
  int64_t Nanoseconds() override { return CounterNanoseconds(); }
  void SleepUntil(int64_t deadline) override { SleepUntilCounterNanoseconds(deadline); }
};

}  // namespace platform
