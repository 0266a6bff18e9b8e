// The frame clock: a frame lasts at least 1000 / fps milliseconds.
#pragma once

#include <cstdint>

constexpr int FramesPerSecond = 61;

// Where the clock stands at the start of frame F of a run with a virtual
// clock (a scripted run, a network session): tick 16 x (F - 1).
constexpr uint32_t FrameTicks = 1000 / FramesPerSecond;
constexpr uint32_t TickOfFrame(uint32_t frame) { return FrameTicks * (frame - 1); }

extern uint32_t nextFrameTick;
extern uint32_t lastTick;
extern int frameMs;

void StartFrameClock(int framesPerSecond);
void WaitNextFrame();
