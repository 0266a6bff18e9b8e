// The player's volumes and mute switches on top of the game's own levels.
#include <gtest/gtest.h>

#include "audio/music.h"
#include "audio/sound.h"
#include "audio/volume.h"
#include "headless_game.h"

namespace {

class Volumes : public HeadlessGame {
 protected:
  void Open() {
    soundAvailable = true;
    musicAvailable = true;
  }
};

TEST_F(Volumes, FullVolumeIsTheGamesOwnLevelAndLessIsAShareOfItsAmplitude) {
  EXPECT_EQ(EffectiveEffectVolume(), EffectVolume);
  effectsVolume = 50;
  EXPECT_EQ(EffectiveEffectVolume(), EffectVolume - 602);  // 6.02 dB down
  effectsVolume = 0;
  EXPECT_EQ(EffectiveEffectVolume(), SilentHundredths);
  effectsVolume = 100;
  effectsMuted = true;
  EXPECT_EQ(EffectiveEffectVolume(), SilentHundredths);
  musicVolume = 70;
  EXPECT_EQ(EffectiveMusicVolume(), 70);
  musicMuted = true;
  EXPECT_EQ(EffectiveMusicVolume(), 0);
}

TEST_F(Volumes, MuteKeysSilenceTheDevicesAndKeepTheVolumes) {
  Open();
  int stored = 0;
  static int* storedCount;
  storedCount = &stored;
  muteStatesChanged = [] { ++*storedCount; };
  effectsVolume = 50;
  musicVolume = 40;
  ToggleEffectsMute();
  for (int slot = 0; slot < EffectCount; ++slot) EXPECT_EQ(headless.sound.volume[slot], SilentHundredths);
  ToggleEffectsMute();
  for (int slot = 0; slot < EffectCount; ++slot) EXPECT_EQ(headless.sound.volume[slot], EffectVolume - 602);
  ToggleMusicMute();
  EXPECT_EQ(headless.music.volume, 0);
  ToggleMusicMute();
  EXPECT_EQ(headless.music.volume, 40);
  EXPECT_EQ(stored, 4);
  EXPECT_EQ(effectsVolume, 50);
}

}  // namespace
