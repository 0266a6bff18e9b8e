#include "shell/logic_clock.h"

#include <utility>

#include "platform/platform.h"

namespace {

uint32_t hiddenTicks = 0;  // the length of all pauses so far
uint32_t stoppedAt = 0;
bool stopped = false;
LogicClockSource source;
std::function<uint32_t()> machineTicks;
LogicClockObserver observer;

uint32_t HostTicks() { return machineTicks ? machineTicks() : platform::host().Ticks(); }

uint32_t MachineTicks() { return (stopped ? stoppedAt : HostTicks()) - hiddenTicks; }

}  // namespace

uint32_t LogicTicks() {
  const uint32_t ticks = source.ticks ? source.ticks() : MachineTicks();
  if (observer) observer(LogicClockValue::Ticks, ticks);
  return ticks;
}

int64_t LogicCalendarSeconds() {
  const int64_t seconds = source.calendarSeconds ? source.calendarSeconds() : platform::host().CalendarSeconds();
  if (observer) observer(LogicClockValue::CalendarSeconds, seconds);
  return seconds;
}

void StopLogicClock() {
  if (stopped) return;
  stoppedAt = HostTicks();
  stopped = true;
}

void StartLogicClock() {
  if (!stopped) return;
  hiddenTicks += HostTicks() - stoppedAt;
  stopped = false;
}

void ResetLogicClock() {
  hiddenTicks = 0;
  stoppedAt = 0;
  stopped = false;
}

void SetLogicClockSource(LogicClockSource newSource) { source = std::move(newSource); }

void SetLogicClockObserver(LogicClockObserver newObserver) { observer = std::move(newObserver); }

void SetLogicClockMachineTicks(std::function<uint32_t()> ticks) { machineTicks = std::move(ticks); }
