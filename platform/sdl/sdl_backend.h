// The real game's platform: SDL2 window, display, keys, joystick; SDL2_mixer
// and FluidSynth for sound and music.
#pragma once

#include <string>

namespace platform {

// What the player chose for the window before it opens.
struct SdlOptions {
  bool startInWindow = false;  // a window instead of full screen
  std::string iconFile;        // a PNG for the window's icon; none when empty or unreadable
};

void InstallSdlBackend(const SdlOptions& options = {});

}  // namespace platform
