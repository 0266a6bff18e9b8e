#include "platform/sdl/precise_sleep.h"

#include <SDL.h>
#include <time.h>

#include <cerrno>

namespace platform {

namespace {

constexpr int64_t NanosecondsPerSecond = 1'000'000'000;

int64_t MonotonicNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * NanosecondsPerSecond + now.tv_nsec;
}

}  // namespace

int64_t CounterNanoseconds() {
  const uint64_t counter = SDL_GetPerformanceCounter();
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  if (frequency == NanosecondsPerSecond) return static_cast<int64_t>(counter);
  return static_cast<int64_t>(counter / frequency * NanosecondsPerSecond +
                              counter % frequency * NanosecondsPerSecond / frequency);
}

// The counter and the monotonic clock may differ in origin and run apart by
// a few parts in ten thousand at most, which over one frame is microseconds.
void SleepUntilCounterNanoseconds(int64_t deadline) {
  const int64_t wait = deadline - CounterNanoseconds();
  if (wait <= 0) return;
  const int64_t wake = MonotonicNanoseconds() + wait;
  const timespec until{static_cast<time_t>(wake / NanosecondsPerSecond),
                       static_cast<long>(wake % NanosecondsPerSecond)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

uint32_t SdlTickClocks::Ticks() { return SDL_GetTicks(); }

}  // namespace platform
