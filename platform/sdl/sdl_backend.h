// The real game's platform: SDL2 window, display, keys, joystick; SDL2_mixer
// and FluidSynth for sound and music.
#pragma once

#include "platform/platform.h"

namespace platform {

void InstallSdlBackend(const ScreenOptions& screen = ScreenOptions{});

}  // namespace platform
