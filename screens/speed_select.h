// The speed select screen: ten starting fall speeds.
#pragma once

#include <cstdint>

constexpr int SpeedCursorSlowest = 52;
constexpr int SpeedCursorFastest = 538;

extern int speedCursorX;
extern uint8_t speedRepeat;

void SpeedSelectScene();
