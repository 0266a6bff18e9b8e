// The arrows, Z and X by their place on the keyboard, and the first joystick.
#pragma once

#include <SDL.h>

#include "platform/platform.h"

namespace platform {

class SdlControls : public Controls {
 public:
  ~SdlControls() override;
  bool KeyHeld(Key key) override;
  // The first call opens the first joystick; none then means none for the run.
  JoystickResult QueryJoystick(JoystickSample& sample) override;

 private:
  bool OpenFirstJoystick();

  bool searched = false;
  bool subsystemStarted = false;
  bool foundAtStart = false;
  SDL_Joystick* joystick = nullptr;
};

// An SDL axis reading (-32768 .. 32767) as a position 0 .. 65535.
uint32_t AxisPosition(int16_t value);

// The sample of a joystick's axes, hat and buttons; the hat counts as the
// stick pushed to the ends of its axes.
JoystickSample SampleJoystick(SDL_Joystick* joystick);

}  // namespace platform
