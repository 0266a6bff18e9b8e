#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "audio/sound.h"
#include "platform/headless/headless.h"

namespace {

namespace fs = std::filesystem;

// A 16-byte-fmt, four-sample, 8-bit mono wave file.
void WriteTinyWave(const fs::path& path) {
  const unsigned char bytes[] = {'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                 1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0,
                                 'd', 'a', 't', 'a', 4, 0, 0, 0, 128, 160, 128, 96};
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

class Sound : public testing::Test {
 protected:
  void SetUp() override {
    headless.Install();
    wave = fs::temp_directory_path() / ("kerzonk_tiny_" + std::to_string(::getpid()) + ".wav");
    WriteTinyWave(wave);
  }
  void TearDown() override {
    ReleaseSound(EffectCount);
    fs::remove(wave);
  }
  void LoadAll() {
    ASSERT_EQ(InitSound(), 1);
    for (int slot = 0; slot < EffectCount; ++slot) ASSERT_EQ(LoadEffect(wave.c_str(), slot), 1);
    for (int slot = 0; slot < EffectCount; ++slot) SetEffectVolume(slot, EffectVolume);
  }

  platform::Headless headless;
  fs::path wave;
};

TEST_F(Sound, NoDeviceShowsTheFirstStepsNoticeAndIgnoresEverything) {
  headless.sound.available = false;
  EXPECT_EQ(InitSound(), 0);
  ASSERT_EQ(headless.host.notices.size(), 1u);
  EXPECT_EQ(headless.host.notices[0].text, "DirectSoundオブジェクトの生成に失敗しました。");
  ReleaseSound(EffectCount);
  EXPECT_EQ(LoadEffect("wave/none.wav", 0), 1);
  PlayEffect(SfxLand);
  EXPECT_TRUE(headless.sound.played.empty());
  EXPECT_EQ(headless.host.notices.size(), 1u);
}

TEST_F(Sound, EveryPlayIsARestartOfItsOwnSlot) {
  LoadAll();
  headless.host.tick = 40;
  PlayEffect(SfxDrop);
  PlayEffect(SfxDrop);
  PlayEffect(SfxFlash);
  ASSERT_EQ(headless.sound.played.size(), 3u);
  EXPECT_EQ(headless.sound.played[1].slot, SfxDrop);
  EXPECT_EQ(headless.sound.played[2].slot, SfxFlash);
  EXPECT_EQ(headless.sound.played[2].tick, 40u);
  EXPECT_EQ(headless.sound.volume[7], -800);
}

TEST_F(Sound, ReleaseTwiceReleasesOnce) {
  LoadAll();
  ReleaseSound(EffectCount);
  for (bool loaded : headless.sound.voiceLoaded) EXPECT_FALSE(loaded);
  headless.sound.voiceLoaded[0] = true;  // a second release must not touch the device
  ReleaseSound(EffectCount);
  EXPECT_TRUE(headless.sound.voiceLoaded[0]);
  PlayEffect(SfxCursor);
  EXPECT_TRUE(headless.sound.played.empty());
}

TEST_F(Sound, ReleaseCountLimitsTheSlots) {
  LoadAll();
  ReleaseSound(3);
  EXPECT_FALSE(headless.sound.voiceLoaded[2]);
  EXPECT_TRUE(headless.sound.voiceLoaded[3]);
}

}  // namespace
