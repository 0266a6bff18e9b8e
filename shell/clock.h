// The frame clock: a frame lasts at least 1000 / fps milliseconds.
#pragma once

#include <cstdint>

constexpr int FramesPerSecond = 61;

extern uint32_t nextFrameTick;
extern uint32_t lastTick;
extern int frameMs;

void StartFrameClock(int framesPerSecond);
void WaitNextFrame();
