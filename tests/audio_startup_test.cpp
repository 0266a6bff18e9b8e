#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound.h"
#include "audio/volume.h"
#include "platform/bitmap_file.h"
#include "shell/app.h"
#include "shell/file_names.h"
#include "tests/headless_game.h"
#include "tests/midi_builder.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using Texts = std::vector<std::string>;

const char* const NoSoundNotice = "現在の環境ではDirectSoundを利用できません。\n効果音無しでゲームを起動します。";
const char* const NoMusicNotice = "現在の環境ではDirectMusicを利用できません。\nＢＧＭ音無しでゲームを起動します。";

void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Write(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A 4 x 4 bitmap of 8-bit indices with a grey 256-entry colour table.
Bytes TinyBitmap() {
  Bytes bmp = {'B', 'M'};
  Put32(bmp, 14 + 40 + 1024 + 16);
  Put32(bmp, 0);
  Put32(bmp, 14 + 40 + 1024);
  for (uint32_t v : {40u, 4u, 4u}) Put32(bmp, v);
  for (uint8_t b : {1, 0, 8, 0}) bmp.push_back(b);  // one plane, 8 bits
  for (uint32_t v : {0u, 16u, 2835u, 2835u, 256u, 0u}) Put32(bmp, v);
  for (int i = 0; i < 256; ++i) Put32(bmp, static_cast<uint32_t>(i * 0x010101));
  for (int i = 0; i < 16; ++i) bmp.push_back(static_cast<uint8_t>(i));
  return bmp;
}

Bytes TinyWave() {
  return {'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
          1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0, 'd', 'a', 't', 'a', 4, 0, 0, 0, 128, 160, 128, 96};
}

// The start-up in a folder holding every picture and effect, and the title music.
class AudioStartup : public HeadlessGame {
 protected:
  void SetUp() override {
    HeadlessGame::SetUp();
    for (const char* name : PictureFileNames) Write(fs::u8path(name), TinyBitmap());
    for (const char* name : EffectFileNames) Write(name, TinyWave());
    Write(MusicFileNames[0], MidiBuilder(480).Note(0, 480, 60).End(1920).Bytes());
    platform::IndexedBitmap bitmap;
    if (!platform::ReadIndexedBitmap(PictureFileNames[0], bitmap)) GTEST_SKIP() << "no bitmap reader in this build";
  }
  void TearDown() override {
    HeadlessGame::TearDown();
  }
  void WriteGameMusic() { Write(MusicFileNames[1], MidiBuilder(480).Note(0, 480, 72).End(1920).Bytes()); }
  Texts Notices() const {
    Texts texts;
    for (const auto& n : headless.host.notices) texts.push_back(n.text);
    return texts;
  }

  fixture::ScratchFolder scratch{"startup"};
};

TEST_F(AudioStartup, StartsTheTitleMusicAtOnce) {
  WriteGameMusic();
  ASSERT_EQ(InitApplication(), 1);
  EXPECT_TRUE(Notices().empty());
  ASSERT_EQ(headless.music.changes.size(), 1u);
  EXPECT_EQ(headless.music.changes[0].segment, MusicTitle);
  EXPECT_EQ(headless.music.changes[0].repeats, 65025);
  EXPECT_TRUE(headless.music.changes[0].immediate);
  EXPECT_EQ(headless.sound.volume[0], -800);
}

TEST_F(AudioStartup, HandsThePlayersVolumesToTheDevices) {
  WriteGameMusic();
  effectsVolume = 10;
  musicVolume = 30;
  musicMuted = true;
  ASSERT_EQ(InitApplication(), 1);
  for (int slot = 0; slot < EffectCount; ++slot) EXPECT_EQ(headless.sound.volume[slot], EffectVolume - 2000);
  EXPECT_EQ(headless.music.volume, 0);
}

TEST_F(AudioStartup, MissingGameMusicShowsTwoNoticesAndEnds) {
  EXPECT_EQ(RunApplication(), 1);
  EXPECT_EQ(Notices(), (Texts{"GetObject失敗", "LoadMIDISegment失敗"}));
}

TEST_F(AudioStartup, NoSoundFontRunsWithEffectsButNoMusic) {
  WriteGameMusic();
  headless.music.failWith = platform::MusicOpenResult::NoSoundFont;
  ASSERT_EQ(InitApplication(), 1);
  EXPECT_EQ(Notices(), (Texts{"AddPort失敗", NoMusicNotice}));
  EXPECT_FALSE(musicAvailable);
  PlayMusic(MusicGame, MusicRepeats);
  EXPECT_TRUE(headless.music.changes.empty());
  PlayEffect(SfxCursor);
  EXPECT_EQ(headless.sound.played.size(), 1u);
}

TEST_F(AudioStartup, NoDeviceAtAllGivesBothNoticesSoundFirst) {
  headless.sound.available = false;
  headless.music.failWith = platform::MusicOpenResult::NoOutput;
  ASSERT_EQ(InitApplication(), 1);
  EXPECT_EQ(Notices(), (Texts{"DirectSoundオブジェクトの生成に失敗しました。", NoSoundNotice, "Init失敗", NoMusicNotice}));
}

TEST_F(AudioStartup, MissingEffectEndsTheStartupWithOneNotice) {
  fs::remove(EffectFileNames[4]);
  EXPECT_EQ(InitApplication(), 0);
  EXPECT_EQ(Notices(), Texts{"waveファイルの読み込みにに失敗"});
  EXPECT_TRUE(headless.sound.voiceLoaded[3]);
  EXPECT_FALSE(headless.sound.voiceLoaded[5]);
}

}  // namespace
