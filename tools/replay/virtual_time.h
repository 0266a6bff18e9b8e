// The replay's virtual clock: frame F runs at tick 16 x (F - 1).
#pragma once

#include <cstdint>

#include "shell/clock.h"

constexpr uint32_t FrameTicks = 1000 / FramesPerSecond;

constexpr uint32_t TickOfFrame(uint32_t frame) { return FrameTicks * (frame - 1); }
