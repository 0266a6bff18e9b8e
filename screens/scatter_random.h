// The block generator as the game-over scatter uses it.
#pragma once

#include <cstdint>

// Seeds the block generator with the calendar time in whole seconds.
void SeedScatterFromClock();
uint32_t NextScatterDraw();
