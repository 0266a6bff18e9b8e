// The digit counters of the game screens.
#pragma once

#include <cstdint>

void DrawClearedCount(uint8_t player);
void DrawSpeedLevel();
void DrawBestChain(uint8_t player);
void DrawScore();
void DrawBestScore();
