#include "input/input.h"

#include "platform/platform.h"

uint8_t keyDirections = 0;
uint8_t keyButton = ButtonNone;
uint8_t joyDirections = 0;
uint32_t joyButtons = 0;
int joystickPresent = 0;

namespace {

using platform::Key;

// An axis reads right or down above the high threshold and left or up below
// the low one; 1000..50000 is neutral. The low end is not mirrored on purpose.
constexpr uint32_t AxisHigh = 50000;
constexpr uint32_t AxisLow = 1000;
constexpr uint32_t AxisCentre = 32767;

// A query that fails without filling in the sample reads as the stick at rest.
platform::JoystickSample RestingSample() { return platform::JoystickSample{AxisCentre, AxisCentre, 0}; }

bool Held(Key key) { return platform::controls().KeyHeld(key); }

}  // namespace

void DetectJoystick() {
  platform::JoystickSample sample = RestingSample();
  if (platform::controls().QueryJoystick(sample) == platform::JoystickResult::Ok) joystickPresent = 1;
}

// An unplugged joystick keeps its last sample.
void ReadJoystick() {
  platform::JoystickSample sample = RestingSample();
  if (platform::controls().QueryJoystick(sample) == platform::JoystickResult::Unplugged) return;
  joyDirections = 0;
  joyButtons = sample.buttons;
  if (sample.x > AxisHigh) joyDirections |= DirRight;
  if (sample.x < AxisLow) joyDirections |= DirLeft;
  if (sample.y > AxisHigh) joyDirections |= DirDown;
  if (sample.y < AxisLow) joyDirections |= DirUp;
}

// X is read after Z, so X wins when both are held.
void ReadKeyboard() {
  keyDirections = 0;
  keyButton = ButtonNone;
  if (Held(Key::Left)) keyDirections |= DirLeft;
  if (Held(Key::Right)) keyDirections |= DirRight;
  if (Held(Key::Down)) keyDirections |= DirDown;
  if (Held(Key::Up)) keyDirections |= DirUp;
  if (Held(Key::Z)) keyButton = ButtonZ;
  if (Held(Key::X)) keyButton = ButtonX;
}

void ResetInputState() {
  keyDirections = 0;
  keyButton = ButtonNone;
  joyDirections = 0;
  joyButtons = 0;
  joystickPresent = 0;
}
