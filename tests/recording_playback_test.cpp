// Games played on a jittery clock, recorded, and played back on a steady
// clock with no keys held: every frame's state is the same, and the best
// score file is left alone.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "key_codes.h"
#include "recording/frame_marks.h"
#include "recording/game_recordings.h"
#include "recording/playback.h"
#include "recording/recording_text.h"
#include "recording/state_hash.h"
#include "rules/state.h"
#include "scratch_folder.h"
#include "screens/screens.h"
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

  void SelectItem(int item) {
    while (menuSelection != item) {
      Frame({"Down"}, 16);
      Frame({}, 16);
    }
  }

  // Confirms the title's item and plays as two restless players who pause
  // now and then, on a clock that jitters and sometimes stalls, until back
  // on the title or the frames are used up. The state hash after every
  // frame of the game is kept.
  void PlayGame(int item, uint32_t seed, int frames) {
    static const std::vector<std::vector<const char*>> choices = {{"Down", "S"},
                                                                  {"Down", "S"},
                                                                  {"Down", "S"},
                                                                  {"Down", "S"},
                                                                  {"Down", "S"},
                                                                  {"Down", "S"},
                                                                  {"Down", "S"},
                                                                  {"Left", "D"},
                                                                  {"Right", "A"},
                                                                  {"X", "Q"},
                                                                  {"Up", "W"},
                                                                  {"Z", "E"},
                                                                  {},
                                                                  {"P"}};
    hashes.clear();
    SelectItem(item);
    Frame({"Z"}, 16);
    for (int frame = 1; frame <= frames; ++frame) {
      seed = seed * 1103515245u + 12345u;
      const uint32_t draw = seed >> 16;
      // Nothing is held while the game is ending, so that no key is left to confirm the title's item.
      const bool ending =
          playerPhase[0] == PhaseGameOver || (currentScene == SceneVersus && playerPhase[1] == PhaseGameOver);
      const bool pause = draw % 200 == 0;
      Frame(ending  ? std::vector<const char*>{}
            : pause ? choices.back()
                    : choices[draw % (choices.size() - 1)],
            frame % 50 == 0 ? 70 : 16 + draw % 3);
      hashes.push_back(GameStateHash());
      if (currentScene == SceneTitle) return;
    }
  }

  // Two steps faster on the speed select, and back to the title.
  void ChooseFasterSpeed() {
    SelectItem(2);
    for (const char* key : {"Z", "Right", "Right", "Z"}) {
      Frame({key}, 16);
      Frame({}, 16);
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

TEST_F(RecordedGame, AGameCutShortPlaysBackAndAMissingClockValueIsSeen) {
  Start();
  std::vector<FinishedGame> games;
  {
    Recorder recorder("1.0.0", 5, CaptureState(), messages,
                      [&](FinishedGame&& game) { games.push_back(std::move(game)); });
    PlayGame(0, 7, 1500);
    ASSERT_TRUE(games.empty());
    recorder.FinishCutShort();
  }
  ASSERT_EQ(games.size(), 1u);
  Recording recording = std::move(games[0].recording);
  EXPECT_FALSE(games[0].setBestScore);
  EXPECT_EQ(recording.frames, hashes.size());
  // A mark for every frame, taken from the same state as the checks.
  ASSERT_EQ(recording.marks.size(), recording.frames);
  for (const StateCheck& check : recording.checks) EXPECT_EQ(recording.marks[check.frame - 1], FrameMark(check.hash));
  EXPECT_LE(recording.inputs.back().frame, recording.frames);
  PlayBack(recording);

  const auto divergence = [&](const Recording& edited) {
    ResetGameState();
    Start();
    Playback playback(edited);
    playback.Begin();
    while (!playback.Finished()) Frame({}, 16);
    return playback.DivergenceText();
  };
  ASSERT_FALSE(recording.ticks.empty());
  ASSERT_GE(recording.checks.size(), 2u);
  Recording edited = recording;
  edited.ticks.pop_back();
  EXPECT_EQ(divergence(edited).find("the game differs from the recording at frame"), 0u);
  // A check frame names its check beside the mark; a check that fails alone
  // names the last that matched.
  edited = recording;
  edited.marks[119] = edited.marks[119] == '0' ? '1' : '0';
  edited.checks[1].hash ^= 1;
  const std::string at120 = "the game differs from the recording at frame 120: the state differs from the one recorded";
  EXPECT_EQ(divergence(edited), at120 + ", by its mark and its check");
  edited.marks = recording.marks;
  EXPECT_EQ(divergence(edited), at120 + " (it still matched at frame 60)");
}

// What any run of games leaves on the title is a start a recording holds.
// The player's program keeps every game of a run, solo and versus with a
// speed chosen between them, in a file that reads back; the game that set
// the best score once more apart; and the last game, which starts from all
// that the others left, plays back frame for frame.
TEST_F(RecordedGame, EveryGameOfARunIsKeptAndTheLastPlaysBack) {
  e2e::WriteFile(BestScoreFileName, ShortBestScore);
  Start();
  {
    GameRecordings recordings(ReplaysFolderName, messages);
    for (uint32_t game = 0; game < 5; ++game) {
      if (game == 2) ChooseFasterSpeed();
      PlayGame(game == 1 || game == 3 ? 1 : 0, game, 20000);
      ASSERT_EQ(currentScene, SceneTitle);
    }
  }
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(ReplaysFolderName)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_EQ(files.size(), 6u) << messages.str();
  ASSERT_EQ(files.back().filename(), BestGameFileName);
  // The best is the last solo game that beat the one before, from the short file's -1 on.
  std::vector<Recording> games(5);
  std::vector<int32_t> scores;
  int32_t best = -1;
  fs::path setTheBest;
  for (size_t game = 0; game < games.size(); ++game) {
    std::string error;
    ASSERT_TRUE(ParseRecording(e2e::ReadFile(files[game]), games[game], error)) << error;
    scores.push_back(games[game].finalScore);
    if (games[game].mode == GameMode::Solo && games[game].finalScore > best) {
      best = games[game].finalScore;
      setTheBest = files[game];
    }
  }
  EXPECT_EQ(scores, (std::vector<int32_t>{10, 0, 60, 0, 0})) << "solo games 1 and 3 set the best, 5 does not";
  EXPECT_EQ(e2e::FileHash(files.back()), e2e::FileHash(setTheBest));
  EXPECT_NE(e2e::ReadFile(files[0]).find("\nstart bestScore -1\n"), std::string::npos);
  ASSERT_EQ(games.back().frames, hashes.size());
  EXPECT_EQ(games.back().checks.size(), hashes.size() / StateCheckInterval);
  PlayBack(games.back());
}

}  // namespace
