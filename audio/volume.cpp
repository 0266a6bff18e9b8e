#include "audio/volume.h"

#include <algorithm>
#include <cmath>

#include "audio/music.h"
#include "audio/sound.h"
#include "platform/music.h"
#include "platform/platform.h"
#include "platform/sound.h"

int effectsVolume = FullVolume;
int musicVolume = FullVolume;
bool effectsMuted = false;
bool musicMuted = false;
void (*muteStatesChanged)() = nullptr;

// A volume is a share of the amplitude: 50 percent is 6 dB down.
int EffectiveEffectVolume() {
  if (effectsMuted || effectsVolume <= 0) return SilentHundredths;
  if (effectsVolume >= FullVolume) return EffectVolume;
  const long below = std::lround(2000.0 * std::log10(effectsVolume / static_cast<double>(FullVolume)));
  return static_cast<int>(std::max<long>(EffectVolume + below, SilentHundredths));
}

int EffectiveMusicVolume() { return musicMuted ? 0 : musicVolume; }

void ApplyEffectsVolume() {
  for (int slot = 0; slot < EffectCount; ++slot) SetEffectVolume(slot, EffectiveEffectVolume());
}

void ApplyMusicVolume() {
  if (musicAvailable) platform::music().SetVolume(EffectiveMusicVolume());
}

void ToggleMusicMute() {
  musicMuted = !musicMuted;
  ApplyMusicVolume();
  if (muteStatesChanged != nullptr) muteStatesChanged();
}

void ToggleEffectsMute() {
  effectsMuted = !effectsMuted;
  ApplyEffectsVolume();
  if (muteStatesChanged != nullptr) muteStatesChanged();
}

void PauseAudio(bool paused) {
  if (soundAvailable) platform::sound().Pause(paused);
  if (musicAvailable) platform::music().Pause(paused);
}

void ResetVolumeState() {
  effectsVolume = FullVolume;
  musicVolume = FullVolume;
  effectsMuted = false;
  musicMuted = false;
  muteStatesChanged = nullptr;
}
