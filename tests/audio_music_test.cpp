#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "audio/music.h"
#include "platform/headless/headless.h"
#include "tests/midi_builder.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Runs in a fresh folder holding "midi/a.mid" (one 4/4 bar at 120, looping).
class Music : public testing::Test {
 protected:
  void SetUp() override {
    headless.Install();
    WriteBytes("midi/a.mid", MidiBuilder(480).Note(0, 480, 60).End(1920).Bytes());
  }
  void TearDown() override {
    ReleaseMusic(MusicSegmentCount);
  }
  std::vector<std::string> Notices() const {
    std::vector<std::string> texts;
    for (const auto& n : headless.host.notices) texts.push_back(n.text);
    return texts;
  }

  platform::Headless headless;
  fixture::ScratchFolder scratch{"music"};
};

using Texts = std::vector<std::string>;

TEST_F(Music, OpenFailuresNameTheirStep) {
  const std::pair<platform::MusicOpenResult, const char*> cases[] = {
      {platform::MusicOpenResult::NoSynthesizer, "CreatePerformance失敗"},
      {platform::MusicOpenResult::NoOutput, "Init失敗"},
      {platform::MusicOpenResult::NoSoundFont, "AddPort失敗"},
  };
  for (const auto& [result, text] : cases) {
    headless.host.notices.clear();
    headless.music.failWith = result;
    EXPECT_EQ(InitMusic(), 0);
    EXPECT_EQ(Notices(), Texts{text});
    ReleaseMusic(MusicSegmentCount);
  }
}

TEST_F(Music, UnavailableMusicIgnoresEveryRequest) {
  headless.music.failWith = platform::MusicOpenResult::NoSoundFont;
  ASSERT_EQ(InitMusic(), 0);
  ReleaseMusic(MusicSegmentCount);
  StartMusic(MusicTitle, MusicRepeats);
  PlayMusic(MusicGame, MusicRepeats);
  EXPECT_TRUE(headless.music.changes.empty());
}

TEST_F(Music, MissingGameMusicGivesGetObjectNotice) {
  ASSERT_EQ(InitMusic(), 1);
  EXPECT_EQ(LoadMIDISegment(MusicTitle, "midi/a.mid"), 1);
  EXPECT_EQ(LoadMIDISegment(MusicGame, "midi/b.mid"), 0);
  EXPECT_EQ(Notices(), Texts{"GetObject失敗"});
}

TEST_F(Music, MalformedFileGivesGetObjectNotice) {
  WriteBytes("midi/b.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0});
  ASSERT_EQ(InitMusic(), 1);
  EXPECT_EQ(LoadMIDISegment(MusicGame, "midi/b.mid"), 0);
  EXPECT_EQ(Notices(), Texts{"GetObject失敗"});
  EXPECT_FALSE(headless.music.loaded[MusicGame]);
}

TEST_F(Music, LongCurrentDirectoryWorks) {
  fs::path deep = scratch.Path();
  for (int i = 0; i < 12; ++i) deep /= std::string(40, static_cast<char>('a' + i));
  WriteBytes(deep / "midi/a.mid", MidiBuilder(480).Note(0, 480, 60).End(1920).Bytes());
  fs::current_path(deep);
  ASSERT_GT(fs::current_path().string().size(), 500u);
  ASSERT_EQ(InitMusic(), 1);
  EXPECT_EQ(LoadMIDISegment(MusicTitle, "midi/a.mid"), 1);
  EXPECT_TRUE(headless.music.loaded[MusicTitle]);
}

TEST_F(Music, TitleStartsAtOnceAndAGameChangeWaitsForTheBar) {
  WriteBytes("midi/b.mid", MidiBuilder(480).Meter(0, 3, 2).Note(0, 480, 72).End(1440).Bytes());
  ASSERT_EQ(InitMusic(), 1);
  ASSERT_EQ(LoadMIDISegment(MusicTitle, "midi/a.mid"), 1);
  ASSERT_EQ(LoadMIDISegment(MusicGame, "midi/b.mid"), 1);
  headless.host.tick = 50;
  StartMusic(MusicTitle, MusicRepeats);
  headless.host.tick = 5300;  // 1.25 s into the third play of the 2 s title bar
  PlayMusic(MusicGame, MusicRepeats);
  headless.host.tick = 6500;  // 0.45 s into the 1.5 s game bar
  PlayMusic(MusicTitle, MusicRepeats);
  ASSERT_EQ(headless.music.changes.size(), 3u);
  EXPECT_EQ(headless.music.changes[0].takesEffectAt, 50u);
  EXPECT_EQ(headless.music.changes[1].takesEffectAt, 6050u);
  EXPECT_EQ(headless.music.changes[2].takesEffectAt, 7550u);
}

TEST_F(Music, ReleaseTwiceReleasesOnce) {
  ASSERT_EQ(InitMusic(), 1);
  ASSERT_EQ(LoadMIDISegment(MusicTitle, "midi/a.mid"), 1);
  StartMusic(MusicTitle, MusicRepeats);
  ReleaseMusic(MusicSegmentCount);
  EXPECT_FALSE(headless.music.open);
  EXPECT_FALSE(headless.music.loaded[MusicTitle]);
  EXPECT_EQ(headless.music.Playing(), -1);
  headless.music.open = true;  // a second release must not touch the device
  ReleaseMusic(MusicSegmentCount);
  EXPECT_TRUE(headless.music.open);
}

}  // namespace
