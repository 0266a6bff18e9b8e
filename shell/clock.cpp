#include "shell/clock.h"

#include "platform/platform.h"

uint32_t nextFrameTick = 0;
uint32_t lastTick = 0;
int frameMs = 0;

namespace {

// True while tick is still before target. The difference is taken as signed so
// that a frame spanning the wrap of the 32-bit tick ends on time instead of at
// once, and a wait that oversleeps past the wrap cannot last for 49 days.
bool Before(uint32_t tick, uint32_t target) { return static_cast<int32_t>(tick - target) < 0; }

}  // namespace

void StartFrameClock(int framesPerSecond) {
  lastTick = platform::host().Ticks();
  nextFrameTick = lastTick;
  frameMs = 1000 / framesPerSecond;
}

void WaitNextFrame() {
  nextFrameTick += static_cast<uint32_t>(frameMs);
  lastTick = platform::host().Ticks();
  while (Before(lastTick, nextFrameTick)) {
    platform::host().IdleUntil(nextFrameTick);
    lastTick = platform::host().Ticks();
  }
}
