// A game played with a jittery clock, recorded, and played back on a steady
// clock with no keys held: every frame's state is the same, and the best
// score file is left alone.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "key_codes.h"
#include "recording/game_recordings.h"
#include "recording/playback.h"
#include "recording/recording_text.h"
#include "recording/state_hash.h"
#include "scratch_folder.h"
#include "shell/app.h"
#include "shell/file_names.h"
#include "shell/scenes.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

const std::string ShortBestScore = "\x01";             // reads as -1, so any finished game beats it
const std::string StoredBestScore("\xe7\x03\0\0", 4);  // 999

class RecordedGame : public HeadlessGame {
 protected:
  void Start() {
    headless.sound.available = false;
    headless.music.failWith = platform::MusicOpenResult::NoSynthesizer;
    headless.host.calendarStart = 1700000000;
    fixture::WritePictures();
    ASSERT_EQ(InitApplication(), 1);
    headless.host.Queue(platform::Message{platform::MessageKind::Activate, 1});
    RunLoopPass(exitCode);
  }

  void Frame(const std::vector<const char*>& keys, uint32_t ms) {
    headless.controls.keys.reset();
    for (const char* key : keys) headless.controls.keys[KeyNamed(key)] = true;
    headless.host.tick += ms;
    RunLoopPass(exitCode);
  }

  // Confirms a solo game and plays it as a restless player, on a clock that
  // jitters and sometimes stalls, until it is back on the title or the
  // frames are used up. The state hash after every frame of the game is kept.
  void PlaySoloGame(int frames) {
    static const std::vector<std::vector<const char*>> choices = {{"Down"}, {"Down"}, {"Left"}, {"Right"}, {"X"}, {}};
    uint32_t seed = 7;
    for (int frame = 1; frame <= frames; ++frame) {
      seed = seed * 1103515245u + 12345u;
      const uint32_t draw = seed >> 16;
      const bool inGame = currentScene != SceneTitle;
      Frame(frame == 6 ? std::vector<const char*>{"Z"}
            : inGame   ? choices[draw % choices.size()]
                       : std::vector<const char*>{},
            frame % 50 == 0 ? 70 : 16 + draw % 3);
      if (currentScene != SceneTitle || inGame) hashes.push_back(GameStateHash());
      if (inGame && currentScene == SceneTitle) return;
    }
  }

  // Plays the recording from a fresh start with nothing held and a steady
  // clock, each frame's hash checked against the one kept; the last
  // frame's, which holds the next frame's input, is checked by the playback.
  void PlayBack(const Recording& recording) {
    ResetGameState();
    headless = platform::Headless();
    headless.Install();
    e2e::WriteFile(BestScoreFileName, StoredBestScore);
    Start();
    Playback playback(recording);
    playback.Begin();
    for (size_t i = 0; i < recording.frames; ++i) {
      Frame({}, 16);
      if (i + 1 < recording.frames) {
        ASSERT_EQ(GameStateHash(), hashes[i]) << "frame " << i + 1;
      }
    }
    EXPECT_TRUE(playback.Finished());
    EXPECT_EQ(playback.DivergedAt(), 0u) << playback.DivergenceText();
    EXPECT_EQ(e2e::ReadFile(BestScoreFileName), StoredBestScore);
  }

  int exitCode = 0;
  std::vector<uint64_t> hashes;
  std::ostringstream messages;
  fixture::ScratchFolder folder{"recorded_game"};
};

TEST_F(RecordedGame, AJitteryGamePlaysBackFrameForFrame) {
  e2e::WriteFile(BestScoreFileName, ShortBestScore);
  Start();
  std::vector<FinishedGame> games;
  {
    Recorder recorder("1.0.0", 5, CaptureState(), messages,
                      [&](FinishedGame&& game) { games.push_back(std::move(game)); });
    PlaySoloGame(20000);
  }
  ASSERT_EQ(games.size(), 1u);
  const Recording& recording = games[0].recording;
  EXPECT_TRUE(games[0].setBestScore);
  EXPECT_EQ(recording.mode, GameMode::Solo);
  EXPECT_NE(RecordingText(recording).find("\nstart bestScore -1\n"), std::string::npos);
  ASSERT_EQ(recording.frames, hashes.size());
  EXPECT_EQ(recording.checks.size(), hashes.size() / StateCheckInterval);
  PlayBack(recording);
  EXPECT_TRUE(messages.str().empty()) << messages.str();
}

TEST_F(RecordedGame, AGameCutShortPlaysBackAndAMissingClockValueIsSeen) {
  Start();
  std::vector<FinishedGame> games;
  {
    Recorder recorder("1.0.0", 5, CaptureState(), messages,
                      [&](FinishedGame&& game) { games.push_back(std::move(game)); });
    PlaySoloGame(700);
    ASSERT_TRUE(games.empty());
    recorder.FinishCutShort();
  }
  ASSERT_EQ(games.size(), 1u);
  Recording recording = std::move(games[0].recording);
  EXPECT_FALSE(games[0].setBestScore);
  EXPECT_EQ(recording.frames, hashes.size());
  EXPECT_LE(recording.inputs.back().frame, recording.frames);
  PlayBack(recording);

  recording.ticks.pop_back();
  ResetGameState();
  Start();
  Playback playback(recording);
  playback.Begin();
  while (!playback.Finished()) Frame({}, 16);
  EXPECT_GT(playback.DivergedAt(), 0u);
  EXPECT_EQ(playback.DivergenceText().find("the game differs from the recording at frame"), 0u);
}

// The game as the player's program keeps it: each game in a file of its
// own, and the game that set the best score once more apart.
TEST_F(RecordedGame, TheGameThatSetTheBestScoreIsKeptApart) {
  e2e::WriteFile(BestScoreFileName, ShortBestScore);
  Start();
  {
    GameRecordings recordings(ReplaysFolderName, messages);
    for (int game = 0; game < 2; ++game) {
      PlaySoloGame(20000);
      ASSERT_EQ(currentScene, SceneTitle);
    }
  }
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(ReplaysFolderName)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_EQ(files.size(), 3u) << messages.str();
  EXPECT_EQ(files[2].filename(), BestGameFileName);
  // Both end at 0 points: the first beats the -1 read from the short file, the second does not beat 0.
  EXPECT_EQ(e2e::ReadFile(files[2]), e2e::ReadFile(files[0]));
  EXPECT_NE(e2e::ReadFile(files[1]), e2e::ReadFile(files[0]));
}

}  // namespace
