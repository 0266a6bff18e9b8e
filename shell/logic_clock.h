// The clocks the game rules read: the millisecond tick of the fall timer and
// the calendar seconds that seed the block generator. Time spent paused is
// hidden from the tick, so the fall timer goes on where it stopped.
#pragma once

#include <cstdint>
#include <functional>

uint32_t LogicTicks();
int64_t LogicCalendarSeconds();

// The tick stands still from StopLogicClock to StartLogicClock.
void StopLogicClock();
void StartLogicClock();

void ResetLogicClock();

// Another supplier of the two values (a recorded game played back, a
// lockstep session) stands in for the machine while its functions are set;
// empty functions give the machine's values again. Whoever sets a source
// or an observer takes it away again when done.
struct LogicClockSource {
  std::function<uint32_t()> ticks;
  std::function<int64_t()> calendarSeconds;
};
void SetLogicClockSource(LogicClockSource source);
// Or only the machine's tick is given (a lockstep session's frame clock),
// from which pauses are hidden as from the machine's own; an empty function
// gives the machine's tick again.
void SetLogicClockMachineTicks(std::function<uint32_t()> ticks);

// An observer (a recorder) is shown every value handed to the rules, in order.
enum class LogicClockValue : uint8_t { Ticks, CalendarSeconds };
using LogicClockObserver = std::function<void(LogicClockValue kind, int64_t value)>;
void SetLogicClockObserver(LogicClockObserver observer);
