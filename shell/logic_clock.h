// The clocks the game rules read: the millisecond tick of the fall timer and
// the calendar seconds that seed the block generator. Time spent paused is
// hidden from the tick, so the fall timer goes on where it stopped.
#pragma once

#include <cstdint>

uint32_t LogicTicks();
int64_t LogicCalendarSeconds();

// The tick stands still from StopLogicClock to StartLogicClock.
void StopLogicClock();
void StartLogicClock();

void ResetLogicClock();
