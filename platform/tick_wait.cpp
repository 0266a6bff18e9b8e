#include "platform/tick_wait.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int64_t Millisecond = 1'000'000;
// Woken this long after a step is due, so that a sleep ending right on time finds the new tick.
constexpr int64_t WakeMargin = 20'000;
// Watching for a step gives up after this long: that tick does not step every millisecond.
constexpr int64_t WatchLimit = 3 * Millisecond;
// Where watching failed, a wait looks at the tick this often until the next watch.
constexpr int64_t PollInterval = 100'000;
// A tick that sometimes steps by two makes up for it with a step of none,
// so one sleep that sees no change is no proof that the step point is wrong;
// two in a row are, and the waits poll until the next watch.
constexpr int MissesBeforeGivingUp = 2;
// The step point is watched again every so many waits, should the tick and
// the fine clock run apart (then it wanders, and a stale one wakes late).
constexpr int WaitsBetweenWatches = 64;

int64_t PositiveModulo(int64_t value, int64_t divisor) {
  const int64_t remainder = value % divisor;
  return remainder < 0 ? remainder + divisor : remainder;
}

}  // namespace

void TickWaiter::WaitFor(uint32_t target, TickClocks& clocks) {
  if (++waitsSinceWatching_ >= WaitsBetweenWatches) watchDue_ = true;
  for (;;) {
    const uint32_t tick = clocks.Ticks();
    const int64_t now = clocks.Nanoseconds();
    const int32_t remaining = static_cast<int32_t>(target - tick);
    if (remaining <= 0) return;
    if (watchDue_) {
      watchDue_ = false;
      waitsSinceWatching_ = 0;
      if (!LearnStepPoint(clocks)) stepPoint_ = -1;
      continue;
    }
    if (stepPoint_ < 0) {
      clocks.SleepUntil(now + PollInterval);
      continue;
    }
    // The first step after now; each step raises the tick by one, now and then
    // by two, so the target may come one step before the remaining count says.
    const int64_t nextStep = now + 1 + PositiveModulo(stepPoint_ - now - 1, Millisecond);
    const int64_t due = nextStep + std::max(remaining - 2, 0) * Millisecond;
    clocks.SleepUntil(due + WakeMargin);
    if (clocks.Ticks() != tick) {
      misses_ = 0;
    } else if (++misses_ >= MissesBeforeGivingUp) {
      stepPoint_ = -1;
      misses_ = 0;
    }
  }
}

// Reads the tick until it steps; the fine clock's reading just after the step
// was seen marks the step point (late by one read at most, never early).
bool TickWaiter::LearnStepPoint(TickClocks& clocks) {
  const uint32_t first = clocks.Ticks();
  const int64_t start = clocks.Nanoseconds();
  for (int64_t now = start; now - start < WatchLimit;) {
    const bool stepped = clocks.Ticks() != first;
    now = clocks.Nanoseconds();
    if (stepped) {
      stepPoint_ = PositiveModulo(now, Millisecond);
      return true;
    }
  }
  return false;
}

}  // namespace platform
