// The keys by their place on the keyboard, and the second player's pad:
// whichever pad is connected first, at any time, through SDL's game
// controller mapping where SDL knows the device, else as a raw joystick.
#pragma once

#include <SDL.h>

#include "platform/platform.h"

namespace platform {

class SdlControls : public Controls {
 public:
  ~SdlControls() override;
  void TakeInEvents() override;
  bool KeyHeld(KeyCode key) override;
  // Unplugged while no pad is connected; a pad pulled out is let go, and the
  // next one connected (the same or another) is taken up.
  JoystickResult QueryJoystick(JoystickSample& sample) override;

 private:
  bool OpenFirstPad();
  void ClosePad();

  bool started = false;
  bool subsystemStarted = false;
  SDL_GameController* controller = nullptr;  // set when SDL knows the pad's layout
  SDL_Joystick* joystick = nullptr;          // the pad's joystick, its controller's own if any
};

// An SDL axis reading (-32768 .. 32767) as a position 0 .. 65535.
uint32_t AxisPosition(int16_t value);

// The sample of a raw joystick's axes, hat and buttons; the hat counts as the
// stick pushed to the ends of its axes.
JoystickSample SampleJoystick(SDL_Joystick* joystick);

// The sample of a mapped pad: the left stick, the d-pad at the ends of the
// axes, south, east, west and north as buttons 1 to 4, and Start.
JoystickSample SampleController(SDL_GameController* controller);

}  // namespace platform
