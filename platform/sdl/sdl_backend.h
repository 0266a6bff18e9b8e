// The real game's platform: SDL2 window, display, keys, joystick; SDL2_mixer
// and FluidSynth for sound and music.
#pragma once

#include <string>

#include "platform/platform.h"

namespace platform {

// What the player chose for the window before it opens.
struct SdlOptions {
  ScreenOptions screen;  // full screen or a window, and how the picture fills it
  std::string iconFile;  // a PNG for the window's icon; none when empty or unreadable
};

void InstallSdlBackend(const SdlOptions& options = {});

}  // namespace platform
