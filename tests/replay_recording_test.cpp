// Recordings through the replay runner: one made from a script plays back
// the script's game frame for frame, state, picture and effects, twice
// alike; an edited one is caught at the frame it goes wrong; one made with
// other data is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>

#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int SoloFrames = 4300;
constexpr size_t SoloGameStart = 41;  // the frame in which the title confirms the game
constexpr size_t SoloGameFrames = 4201;
constexpr size_t ChainFrame = 2441;  // a chain flashing in the script's run

class RecordingRuns : public testing::Test {
 protected:
  // The runner's exit code; its output and errors are in out_ and err_.
  int Runner(std::vector<std::string> arguments, const std::string& name) {
    arguments.insert(arguments.begin(),
                     {(e2e::BuiltGameFolder() / "kerzonk-replay").string(), "--data", game_.string()});
    const int exitCode = e2e::Run(arguments, {}, scratch_.Path(), scratch_.Path() / name);
    out_ = e2e::ReadFile(scratch_.Path() / (name + ".out"));
    err_ = e2e::ReadFile(scratch_.Path() / (name + ".err"));
    return exitCode;
  }

  std::string At(const std::string& name) const { return (scratch_.Path() / name).string(); }

  // The state lines of a run with their frame numbers taken out.
  std::vector<std::string> States(const std::string& name) const {
    std::ifstream file(At(name));
    std::vector<std::string> states;
    for (std::string line; std::getline(file, line);) states.push_back(line.substr(line.find(',')));
    return states;
  }

  std::string Edited(std::string text, size_t at, char to) {
    text[at] = to;
    e2e::WriteFile(At("edited.kzr"), text);
    return At("edited.kzr");
  }

  e2e::ScratchFolder scratch_;
  fs::path game_ = e2e::CopyGameFolder(scratch_);
  std::string out_, err_;
};

TEST_F(RecordingRuns, AScriptedGameRecordedPlaysBackFrameForFrameAndAnEditedOneIsCaught) {
  const std::string script = (fs::path(KERZONK_SOURCE_DIR) / "tests" / "replay" / "solo.txt").string();
  ASSERT_EQ(Runner({"--time", "1700000000", "--frames", std::to_string(SoloFrames), "--input", script, "--states",
                    At("script.jsonl"), "--shot", std::to_string(ChainFrame) + ":" + At("script.png"), "--record",
                    At("solo.kzr")},
                   "record"),
            0)
      << err_;
  // Played back, the game neither reads nor writes the best score.
  e2e::WriteFile(game_ / BestScoreFileName, "\x01");
  for (const std::string name : {"first", "second"}) {
    EXPECT_EQ(Runner({"--input", At("solo.kzr"), "--states", At(name + ".jsonl"), "--log", At(name + ".log"), "--shot",
                      std::to_string(ChainFrame - SoloGameStart + 1) + ":" + At(name + ".png")},
                     name),
              0)
        << err_;
    EXPECT_EQ(out_, "verified\n");
  }
  const std::vector<std::string> scriptStates = States("script.jsonl"), first = States("first.jsonl");
  ASSERT_EQ(first.size(), SoloGameFrames);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), scriptStates.begin() + SoloGameStart - 1));
  EXPECT_EQ(e2e::ReadFile(At("first.jsonl")), e2e::ReadFile(At("second.jsonl")));
  EXPECT_EQ(e2e::PixelHash(At("first.png")), e2e::PixelHash(At("script.png")));
  EXPECT_NE(e2e::ReadFile(At("first.log")).find("\n1 effect 1 SfxConfirm\n1 music request 1"), std::string::npos);
  EXPECT_EQ(e2e::ReadFile(At("first.log")), e2e::ReadFile(At("second.log")));
  EXPECT_EQ(e2e::ReadFile(game_ / BestScoreFileName), "\x01");

  const std::string text = e2e::ReadFile(At("solo.kzr"));
  const size_t finalHash = text.rfind("\nstate ") + 7, input = text.find("\ninput 215 2 ") + 11;
  EXPECT_EQ(Runner({"--input", Edited(text, finalHash, text[finalHash] == '0' ? '1' : '0')}, "final"), 3);
  EXPECT_NE(err_.find("differs from the recording at frame " + std::to_string(SoloGameFrames) + ": the final state"),
            std::string::npos)
      << err_;
  // An input edited in the middle of a check interval is named at the frame
  // whose state it changes first, the last frame the states go up to.
  EXPECT_EQ(Runner({"--input", Edited(text, input, '1'), "--states", At("input.jsonl")}, "input"), 3);
  const std::vector<std::string> edited = States("input.jsonl");
  ASSERT_FALSE(edited.empty());
  const size_t differs = std::mismatch(edited.begin(), edited.end(), first.begin()).first - edited.begin() + 1;
  EXPECT_EQ(differs, edited.size());
  EXPECT_NE(err_.find("at frame " + std::to_string(differs) + ": the state differs from the one recorded, by its mark"),
            std::string::npos)
      << err_;
  // A recording of the first format, without marks, still plays; a change is
  // then named at the first check that fails.
  std::string unmarked = std::regex_replace(text, std::regex("marks [^\n]*\n"), "");
  unmarked.replace(0, unmarked.find('\n'), "kerzonk-recording 1");
  e2e::WriteFile(At("unmarked.kzr"), unmarked);
  EXPECT_EQ(Runner({"--input", At("unmarked.kzr")}, "unmarked"), 0) << err_;
  EXPECT_EQ(Runner({"--input", Edited(unmarked, unmarked.find("\ninput 215 2 ") + 11, '1')}, "unmarked-input"), 3);
  EXPECT_NE(err_.find("at frame 240: the state differs from the one recorded (it still matched at frame 180)"),
            std::string::npos)
      << err_;
  std::ofstream(game_ / EffectFileNames[0], std::ios::binary | std::ios::app) << '\0';
  EXPECT_EQ(Runner({"--input", At("solo.kzr")}, "other"), 2);
  EXPECT_NE(err_.find("recorded with other game data"), std::string::npos) << err_;
}

}  // namespace
