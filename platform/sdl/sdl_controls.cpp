#include "platform/sdl/sdl_controls.h"

#include <algorithm>

namespace platform {

namespace {

constexpr uint32_t AxisEnd = 65535;
constexpr int ButtonBits = 32;

// Buttons 1 to 4 of a mapped pad: south (A on Xbox, cross on PlayStation) and east first.
constexpr SDL_GameControllerButton PadButtons[] = {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B,
                                                    SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y};

bool Pressed(SDL_GameController* controller, SDL_GameControllerButton button) {
  return SDL_GameControllerGetButton(controller, button) != 0;
}

}  // namespace

uint32_t AxisPosition(int16_t value) { return static_cast<uint32_t>(value + 32768); }

JoystickSample SampleJoystick(SDL_Joystick* joystick) {
  JoystickSample sample;
  const int axes = SDL_JoystickNumAxes(joystick);
  sample.x = axes > 0 ? AxisPosition(SDL_JoystickGetAxis(joystick, 0)) : JoystickAxisCentre;
  sample.y = axes > 1 ? AxisPosition(SDL_JoystickGetAxis(joystick, 1)) : JoystickAxisCentre;
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

JoystickSample SampleController(SDL_GameController* controller) {
  JoystickSample sample;
  sample.x = AxisPosition(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX));
  sample.y = AxisPosition(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY));
  if (Pressed(controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) sample.x = 0;
  if (Pressed(controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) sample.x = AxisEnd;
  if (Pressed(controller, SDL_CONTROLLER_BUTTON_DPAD_UP)) sample.y = 0;
  if (Pressed(controller, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) sample.y = AxisEnd;
  for (size_t i = 0; i < std::size(PadButtons); ++i) {
    if (Pressed(controller, PadButtons[i])) sample.buttons |= 1u << i;
  }
  sample.start = Pressed(controller, SDL_CONTROLLER_BUTTON_START);
  return sample;
}

SdlControls::~SdlControls() {
  ClosePad();
  if (subsystemStarted) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// The key state follows the events SDL has taken in; taking them in before
// each sample makes a key released during a blocking scene change read as
// released (the events stay queued for the loop).
void SdlControls::TakeInEvents() { SDL_PumpEvents(); }

bool SdlControls::KeyHeld(KeyCode key) {
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  return key < count && state[key] != 0;
}

void SdlControls::ClosePad() {
  if (controller != nullptr) {
    SDL_GameControllerClose(controller);
  } else if (joystick != nullptr) {
    SDL_JoystickClose(joystick);
  }
  controller = nullptr;
  joystick = nullptr;
}

bool SdlControls::OpenFirstPad() {
  for (int i = 0; i < SDL_NumJoysticks() && joystick == nullptr; ++i) {
    if (SDL_IsGameController(i)) {
      controller = SDL_GameControllerOpen(i);
      if (controller != nullptr) joystick = SDL_GameControllerGetJoystick(controller);
    } else {
      joystick = SDL_JoystickOpen(i);
    }
  }
  return joystick != nullptr;
}

JoystickResult SdlControls::QueryJoystick(JoystickSample& sample) {
  if (!started) {
    started = true;
    subsystemStarted = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  }
  if (!subsystemStarted) return JoystickResult::Error;
  // Also looks for pads connected or pulled out since the last call.
  SDL_GameControllerUpdate();
  if (joystick != nullptr && !SDL_JoystickGetAttached(joystick)) ClosePad();
  if (joystick == nullptr && !OpenFirstPad()) return JoystickResult::Unplugged;
  sample = controller != nullptr ? SampleController(controller) : SampleJoystick(joystick);
  return JoystickResult::Ok;
}

}  // namespace platform
