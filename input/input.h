// The held keys and pads, sampled once per frame into one value, then applied
// to the values the game reads.
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

// Everything one frame's handlers read, as taken at the end of the frame
// before. Player 1's keys make the key values; the pad and player 2's keys
// together make the joystick values.
struct InputSample {
  uint8_t keyDirections = 0;
  uint8_t keyButton = ButtonNone;
  uint8_t joyDirections = 0;
  uint32_t joyButtons = 0;
  int joystickPresent = 0;      // a pad is connected, or player 2 has keys
  bool pauseRequested = false;  // a pause key or Start went down since the last sample
  friend bool operator==(const InputSample&, const InputSample&) = default;
};

// Reads the devices through the key bindings.
InputSample TakeInputSample();
// Sets the five input values; a pause request stops or resumes a game.
void ApplyInputSample(const InputSample& sample);
// The five input values now, as a sample without a pause request.
InputSample AppliedInputSample();

// The mute keys that went down since the last call; they act on this machine only.
struct MutePresses {
  bool music = false;
  bool effects = false;
};
MutePresses TakeMutePresses();

// Puts the input values and the memory of held keys back to their program-start value.
void ResetInputValues();
// The same, and the key bindings back to their defaults.
void ResetInputState();
