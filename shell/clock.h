// The frame clock: a frame lasts at least 1000 / fps milliseconds.
#pragma once

#include <cstdint>

constexpr int FramesPerSecond = 61;

// Where the clock stands at the start of frame F of a run with a virtual
// clock (a scripted run, a network session): tick 16 x (F - 1).
constexpr uint32_t FrameTicks = 1000 / FramesPerSecond;
constexpr uint32_t TickOfFrame(uint32_t frame) { return FrameTicks * (frame - 1); }
// A virtual calendar reads its start plus tick / 1000 seconds; a start up to
// this one stays within 64 bits however far the 32-bit tick runs.
constexpr int64_t LatestCalendarStart = INT64_MAX - int64_t{UINT32_MAX / 1000};

extern uint32_t nextFrameTick;
extern uint32_t lastTick;
extern int frameMs;

void StartFrameClock(int framesPerSecond);
void WaitNextFrame();
