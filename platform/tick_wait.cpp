#include "platform/tick_wait.h"

#include <time.h>

#include <cerrno>

namespace platform {

namespace {

constexpr int64_t Millisecond = 1'000'000;
constexpr int64_t Second = 1'000'000'000;

}  // namespace

int64_t MonotonicClock::Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * Second + now.tv_nsec;
}

void MonotonicClock::SleepUntil(int64_t deadline) {
  const timespec until{static_cast<time_t>(deadline / Second), static_cast<long>(deadline % Second)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

// Rounded down, also before the origin.
int64_t MillisecondTick::ElapsedMilliseconds() const {
  const int64_t elapsed = clock_.Now() - origin_;
  return elapsed >= 0 ? elapsed / Millisecond : -((Millisecond - 1 - elapsed) / Millisecond);
}

uint32_t MillisecondTick::Now() const { return static_cast<uint32_t>(ElapsedMilliseconds()); }

void MillisecondTick::WaitFor(uint32_t target) const {
  for (;;) {
    const int64_t elapsed = ElapsedMilliseconds();
    const int32_t remaining = static_cast<int32_t>(target - static_cast<uint32_t>(elapsed));
    if (remaining <= 0) return;
    clock_.SleepUntil(origin_ + (elapsed + remaining) * Millisecond);
  }
}

}  // namespace platform
