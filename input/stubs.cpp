// Placeholders until the input sampling is written.
#include "input/input.h"

uint8_t keyDirections;
uint8_t keyButton;
uint8_t joyDirections;
uint32_t joyButtons;
int joystickPresent;

void DetectJoystick() {}
void ReadJoystick() {}
void ReadKeyboard() {}
