#include "shell/logic_clock.h"

#include "platform/platform.h"

namespace {

uint32_t hiddenTicks = 0;  // the length of all pauses so far
uint32_t stoppedAt = 0;
bool stopped = false;

}  // namespace

uint32_t LogicTicks() { return (stopped ? stoppedAt : platform::host().Ticks()) - hiddenTicks; }

int64_t LogicCalendarSeconds() { return platform::host().CalendarSeconds(); }

void StopLogicClock() {
  if (stopped) return;
  stoppedAt = platform::host().Ticks();
  stopped = true;
}

void StartLogicClock() {
  if (!stopped) return;
  hiddenTicks += platform::host().Ticks() - stoppedAt;
  stopped = false;
}

void ResetLogicClock() {
  hiddenTicks = 0;
  stoppedAt = 0;
  stopped = false;
}
