#include "input/input.h"

#include "input/key_bindings.h"
#include "platform/platform.h"
#include "shell/pause.h"

uint8_t keyDirections = 0;
uint8_t keyButton = ButtonNone;
uint8_t joyDirections = 0;
uint32_t joyButtons = 0;
int joystickPresent = 0;

namespace {

// An axis reads right or down above the high threshold and left or up below
// the low one; 1000..50000 is neutral. The low end is not mirrored on purpose.
constexpr uint32_t AxisHigh = 50000;
constexpr uint32_t AxisLow = 1000;
constexpr uint32_t JoyButton1 = 1, JoyButton2 = 2;
constexpr platform::JoystickSample PadAtRest{platform::JoystickAxisCentre, platform::JoystickAxisCentre, 0, false};

// Whether each of these keys was held at the last sample, to see presses.
bool pauseWasHeld = false;
bool muteMusicWasHeld = false;
bool muteEffectsWasHeld = false;

bool AnyHeld(const KeyList& keys) {
  for (platform::KeyCode key : keys) {
    if (platform::controls().KeyHeld(key)) return true;
  }
  return false;
}

// True on the sample at which the keys go from all up to one down.
bool Pressed(bool held, bool& wasHeld) {
  const bool pressed = held && !wasHeld;
  wasHeld = held;
  return pressed;
}

uint8_t KeyDirectionsOf(const PlayerKeys& keys) {
  uint8_t directions = 0;
  if (AnyHeld(keys.action[ActionLeft])) directions |= DirLeft;
  if (AnyHeld(keys.action[ActionRight])) directions |= DirRight;
  if (AnyHeld(keys.action[ActionDown])) directions |= DirDown;
  if (AnyHeld(keys.action[ActionUp])) directions |= DirUp;
  return directions;
}

bool HasKeys(const PlayerKeys& keys) {
  for (const KeyList& list : keys.action) {
    if (!list.empty()) return true;
  }
  return false;
}

uint8_t StickDirections(const platform::JoystickSample& pad) {
  uint8_t directions = 0;
  if (pad.x > AxisHigh) directions |= DirRight;
  if (pad.x < AxisLow) directions |= DirLeft;
  if (pad.y > AxisHigh) directions |= DirDown;
  if (pad.y < AxisLow) directions |= DirUp;
  return directions;
}

}  // namespace

InputSample TakeInputSample() {
  platform::controls().TakeInEvents();
  const PlayerKeys& one = keyBindings.players[0];
  const PlayerKeys& two = keyBindings.players[1];
  InputSample sample;

  // X is read after Z, so X wins when both are held.
  sample.keyDirections = KeyDirectionsOf(one);
  if (AnyHeld(one.action[ActionStepBack])) sample.keyButton = ButtonZ;
  if (AnyHeld(one.action[ActionStepForward])) sample.keyButton = ButtonX;

  // A pad that does not answer, pulled out included, reads as released.
  platform::JoystickSample pad = PadAtRest;
  const bool padAnswered = platform::controls().QueryJoystick(pad) == platform::JoystickResult::Ok;
  if (!padAnswered) pad = PadAtRest;
  sample.joyDirections = StickDirections(pad) | KeyDirectionsOf(two);
  sample.joyButtons = pad.buttons;
  if (AnyHeld(two.action[ActionStepBack])) sample.joyButtons |= JoyButton1;
  if (AnyHeld(two.action[ActionStepForward])) sample.joyButtons |= JoyButton2;
  sample.joystickPresent = padAnswered || HasKeys(two) ? 1 : 0;

  const bool pauseHeld = AnyHeld(one.action[ActionPause]) || AnyHeld(two.action[ActionPause]) || pad.start;
  sample.pauseRequested = Pressed(pauseHeld, pauseWasHeld);
  return sample;
}

void ApplyInputSample(const InputSample& sample) {
  keyDirections = sample.keyDirections;
  keyButton = sample.keyButton;
  joyDirections = sample.joyDirections;
  joyButtons = sample.joyButtons;
  joystickPresent = sample.joystickPresent;
  if (sample.pauseRequested) TogglePause();
}

InputSample AppliedInputSample() {
  InputSample sample;
  sample.keyDirections = keyDirections;
  sample.keyButton = keyButton;
  sample.joyDirections = joyDirections;
  sample.joyButtons = joyButtons;
  sample.joystickPresent = joystickPresent;
  return sample;
}

MutePresses TakeMutePresses() {
  MutePresses presses;
  presses.music = Pressed(AnyHeld(keyBindings.muteMusic), muteMusicWasHeld);
  presses.effects = Pressed(AnyHeld(keyBindings.muteEffects), muteEffectsWasHeld);
  return presses;
}

void ResetInputValues() {
  keyDirections = 0;
  keyButton = ButtonNone;
  joyDirections = 0;
  joyButtons = 0;
  joystickPresent = 0;
  pauseWasHeld = false;
  muteMusicWasHeld = false;
  muteEffectsWasHeld = false;
}

void ResetInputState() {
  ResetInputValues();
  keyBindings = DefaultKeyBindings();
}
