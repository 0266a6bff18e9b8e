// Recordings through the replay runner: one made from a script plays back
// the script's game frame for frame, state, picture and effects, twice
// alike; an edited one is caught at the frame it goes wrong; one made with
// other data is refused.
#include <gtest/gtest.h>

#include <fstream>

#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* SoloScript = "solo.txt";
constexpr int SoloFrames = 4300;
constexpr size_t SoloGameStart = 41;  // the frame in which the title confirms the game
constexpr size_t ChainFrame = 2441;   // a chain flashing in the script's run

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class RecordingRuns : public testing::Test {
 protected:
  void SetUp() override { game_ = e2e::CopyGameFolder(scratch_); }

  RunResult Runner(std::vector<std::string> arguments, const std::string& name) {
    arguments.insert(arguments.begin(),
                     {(e2e::BuiltGameFolder() / "kerzonk-replay").string(), "--data", game_.string()});
    RunResult result;
    result.exitCode = e2e::Run(arguments, {}, scratch_.Path(), scratch_.Path() / name);
    result.out = e2e::ReadFile(scratch_.Path() / (name + ".out"));
    result.err = e2e::ReadFile(scratch_.Path() / (name + ".err"));
    return result;
  }

  // The script's solo game, recorded by the runner.
  fs::path RecordSolo() {
    const fs::path recording = scratch_.Path() / "solo.kzr";
    const fs::path script = fs::path(KERZONK_SOURCE_DIR) / "tests" / "replay" / SoloScript;
    const RunResult run =
        Runner({"--time", "1700000000", "--frames", std::to_string(SoloFrames), "--input", script.string(), "--states",
                (scratch_.Path() / "script.jsonl").string(), "--log", (scratch_.Path() / "script.log").string(),
                "--shot", std::to_string(ChainFrame) + ":" + (scratch_.Path() / "script.png").string(), "--record",
                recording.string()},
               "record");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return recording;
  }

  // The state lines of a run with their frame numbers taken out.
  std::vector<std::string> States(const std::string& name) const {
    std::ifstream file(scratch_.Path() / name);
    std::vector<std::string> states;
    for (std::string line; std::getline(file, line);) states.push_back(line.substr(line.find(',')));
    return states;
  }

  // The effects and scene changes of a run's log, their frames counted from the given one.
  std::vector<std::string> Events(const std::string& name, size_t firstFrame) const {
    std::ifstream file(scratch_.Path() / name);
    std::vector<std::string> events;
    for (std::string line; std::getline(file, line);) {
      const size_t frame = std::stoul(line), space = line.find(' ');
      const bool counted = line.compare(space, 7, " effect") == 0 || line.compare(space, 6, " scene") == 0;
      if (counted && frame >= firstFrame) events.push_back(std::to_string(frame - firstFrame + 1) + line.substr(space));
    }
    return events;
  }

  // What follows the word on its line.
  static std::string LineValue(const fs::path& recording, const std::string& word) {
    const std::string text = e2e::ReadFile(recording);
    const size_t at = text.find("\n" + word + " ") + word.size() + 2;
    return text.substr(at, text.find('\n', at) - at);
  }

  fs::path Edited(const fs::path& recording, const std::string& from, const std::string& to) {
    std::string text = e2e::ReadFile(recording);
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    const fs::path edited = scratch_.Path() / "edited.kzr";
    e2e::WriteFile(edited, text);
    return edited;
  }

  e2e::ScratchFolder scratch_;
  fs::path game_;
};

TEST_F(RecordingRuns, ARecordingOfAScriptedGamePlaysItBackFrameForFrameEveryTime) {
  const fs::path recording = RecordSolo();
  // Played back, the game neither reads nor writes the best score.
  e2e::WriteFile(game_ / BestScoreFileName, "\x01");
  for (const std::string name : {"first", "second"}) {
    const RunResult run =
        Runner({"--input", recording.string(), "--states", (scratch_.Path() / (name + ".jsonl")).string(), "--log",
                (scratch_.Path() / (name + ".log")).string(), "--shot",
                std::to_string(ChainFrame - SoloGameStart + 1) + ":" + (scratch_.Path() / (name + ".png")).string()},
               name);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "verified\n");
  }
  const std::vector<std::string> script = States("script.jsonl"), first = States("first.jsonl");
  ASSERT_EQ(script.size(), static_cast<size_t>(SoloFrames));
  ASSERT_GT(first.size(), 4000u);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), script.begin() + SoloGameStart - 1));
  EXPECT_EQ(e2e::ReadFile(scratch_.Path() / "first.jsonl"), e2e::ReadFile(scratch_.Path() / "second.jsonl"));
  EXPECT_EQ(e2e::PixelHash(scratch_.Path() / "first.png"), e2e::PixelHash(scratch_.Path() / "script.png"));
  const std::vector<std::string> events = Events("first.log", 1);
  EXPECT_GT(events.size(), 50u);
  EXPECT_EQ(events, Events("script.log", SoloGameStart));
  EXPECT_EQ(e2e::ReadFile(scratch_.Path() / "first.log"), e2e::ReadFile(scratch_.Path() / "second.log"));
  EXPECT_EQ(e2e::ReadFile(game_ / BestScoreFileName), "\x01");
}

TEST_F(RecordingRuns, AnEditedRecordingIsCaughtAtItsFrameAndOtherDataIsRefused) {
  const fs::path recording = RecordSolo();
  const std::string frames = LineValue(recording, "frames"), hash = LineValue(recording, "state");
  const std::string otherHash = std::string(1, hash[0] == '0' ? '1' : '0').append(hash.substr(1));
  RunResult run = Runner({"--input", Edited(recording, "\nstate " + hash, "\nstate " + otherHash).string()}, "final");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.err.find("the game differs from the recording at frame " + frames + ": the final state"),
            std::string::npos)
      << run.err;
  run = Runner({"--input", Edited(recording, "\ninput 215 2 ", "\ninput 215 1 ").string()}, "input");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.err.find("at frame 240: the state differs from the one recorded (it still matched at frame 180)"),
            std::string::npos)
      << run.err;
  run = Runner({"--input", Edited(recording, "\ninput 215 2 ", "\ninput 215 9 9").string()}, "bad");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("edited.kzr: line "), std::string::npos) << run.err;
  run = Runner({"--input", recording.string(), "--frames", "10"}, "frames");
  EXPECT_EQ(run.exitCode, 2);

  std::ofstream(game_ / EffectFileNames[0], std::ios::binary | std::ios::app) << '\0';
  run = Runner({"--input", recording.string()}, "other");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("recorded with other game data"), std::string::npos) << run.err;
}

}  // namespace
