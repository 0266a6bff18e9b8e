// The real game's platform: SDL2 window, display, keys, joystick; SDL2_mixer
// and FluidSynth for sound and music.
#pragma once

namespace platform {

void InstallSdlBackend();

}  // namespace platform
