// The SDL backend's sound device (SDL2_mixer) and music synthesiser (FluidSynth).
#pragma once

#include "platform/music.h"
#include "platform/sound.h"

namespace platform {

SoundDevice& SdlSoundDevice();
MusicDevice& SdlMusicDevice();

}  // namespace platform
