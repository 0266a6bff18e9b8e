// The held keys and joystick state, sampled once per frame.
#pragma once

#include <cstdint>

// Direction bits shared by keyboard and joystick.
constexpr uint8_t DirRight = 1;
constexpr uint8_t DirLeft = 2;
constexpr uint8_t DirDown = 4;
constexpr uint8_t DirUp = 8;

// Keyboard button codes.
constexpr uint8_t ButtonNone = 0;
constexpr uint8_t ButtonZ = 1;
constexpr uint8_t ButtonX = 2;

extern uint8_t keyDirections;
extern uint8_t keyButton;  // 0 none, 1 Z, 2 X (X wins)
extern uint8_t joyDirections;
extern uint32_t joyButtons;
extern int joystickPresent;

void DetectJoystick();
void ReadJoystick();
void ReadKeyboard();

// Puts the five input values back to their program-start value.
void ResetInputState();
