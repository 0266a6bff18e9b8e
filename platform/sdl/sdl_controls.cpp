#include "platform/sdl/sdl_controls.h"

#include <algorithm>

namespace platform {

namespace {

constexpr SDL_Scancode KeyScancodes[] = {SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN,
                                         SDL_SCANCODE_UP,   SDL_SCANCODE_Z,     SDL_SCANCODE_X};
constexpr uint32_t AxisCentre = 32768;
constexpr uint32_t AxisEnd = 65535;
constexpr int ButtonBits = 32;

}  // namespace

uint32_t AxisPosition(int16_t value) { return static_cast<uint32_t>(value + 32768); }

JoystickSample SampleJoystick(SDL_Joystick* joystick) {
  JoystickSample sample;
  const int axes = SDL_JoystickNumAxes(joystick);
  sample.x = axes > 0 ? AxisPosition(SDL_JoystickGetAxis(joystick, 0)) : AxisCentre;
  sample.y = axes > 1 ? AxisPosition(SDL_JoystickGetAxis(joystick, 1)) : AxisCentre;
  if (SDL_JoystickNumHats(joystick) > 0) {
    const Uint8 hat = SDL_JoystickGetHat(joystick, 0);
    if ((hat & SDL_HAT_LEFT) != 0) sample.x = 0;
    if ((hat & SDL_HAT_RIGHT) != 0) sample.x = AxisEnd;
    if ((hat & SDL_HAT_UP) != 0) sample.y = 0;
    if ((hat & SDL_HAT_DOWN) != 0) sample.y = AxisEnd;
  }
  const int buttons = std::min(SDL_JoystickNumButtons(joystick), ButtonBits);
  for (int i = 0; i < buttons; ++i) {
    if (SDL_JoystickGetButton(joystick, i) != 0) sample.buttons |= 1u << i;
  }
  return sample;
}

SdlControls::~SdlControls() {
  if (joystick != nullptr) SDL_JoystickClose(joystick);
  if (subsystemStarted) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

bool SdlControls::KeyHeld(Key key) {
  // The key state follows the events SDL has taken in; take them in now, so a
  // key released during a blocking scene change reads as released (the events
  // stay queued for the loop).
  SDL_PumpEvents();
  const Uint8* state = SDL_GetKeyboardState(nullptr);
  return state[KeyScancodes[static_cast<int>(key)]] != 0;
}

bool SdlControls::OpenFirstJoystick() {
  if (joystick != nullptr) SDL_JoystickClose(joystick);
  joystick = SDL_NumJoysticks() > 0 ? SDL_JoystickOpen(0) : nullptr;
  return joystick != nullptr;
}

JoystickResult SdlControls::QueryJoystick(JoystickSample& sample) {
  if (!searched) {
    searched = true;
    subsystemStarted = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    foundAtStart = subsystemStarted && OpenFirstJoystick();
  }
  if (!foundAtStart) return JoystickResult::Error;
  SDL_JoystickUpdate();
  // A pad pulled out answers again once it (or another) is plugged back in.
  if ((joystick == nullptr || !SDL_JoystickGetAttached(joystick)) && !OpenFirstJoystick()) {
    return JoystickResult::Unplugged;
  }
  sample = SampleJoystick(joystick);
  return JoystickResult::Ok;
}

}  // namespace platform
