// Scripted runs of the whole game through the replay runner, compared with
// stored expectations. KERZONK_UPDATE_GOLDEN=1 rewrites the expectations
// after an intended change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

struct GoldenRun {
  const char* name;  // tests/replay/<name>.txt is its input script
  int64_t time;
  uint32_t frames;
  std::vector<uint32_t> stateFrames;  // kept readable in <name>.states
  std::vector<uint32_t> shotFrames;   // kept as hashes in <name>.hashes
};

// The frames chosen show the scene changes, a chain, the special pair, the
// raises and the game overs (see the comments at the top of each script).
const GoldenRun SoloGame{"solo", 1700000000, 4300, {41, 2441, 3841, 4100, 4241}, {100, 2441, 3841, 4100, 4300}};
const GoldenRun VersusGame{"versus", 1700000000, 2930, {41, 2602, 2622, 2731, 2872}, {100, 2622, 2731, 2930}};
const GoldenRun SpeedSelectVisit{"speed_select", 1700000000, 200, {42, 92, 122}, {100, 200}};
constexpr int32_t SoloFinalScore = 630;

fs::path GoldenFolder() { return fs::path(KERZONK_SOURCE_DIR) / "tests" / "replay"; }

bool UpdatingGolden() {
  const char* flag = std::getenv("KERZONK_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

// The files one run leaves in its output folder.
struct RunOutput {
  int exitCode = -1;
  std::string log;
  std::string states;  // the chosen frames' state files, one per line
  std::string hashes;  // of the full state stream, and of each screenshot's pixels
  fs::path folder;
};

RunOutput Replay(const GoldenRun& run, const fs::path& game, const fs::path& out) {
  fs::create_directories(out);
  std::vector<std::string> argv = {(e2e::BuiltGameFolder() / "kerzonk-replay").string(),
                                   "--data", game.string(),
                                   "--time", std::to_string(run.time),
                                   "--frames", std::to_string(run.frames),
                                   "--input", (GoldenFolder() / (std::string(run.name) + ".txt")).string(),
                                   "--states", (out / "states.jsonl").string(),
                                   "--log", (out / "events.log").string()};
  auto stateFile = [&](uint32_t frame) { return out / ("state_" + std::to_string(frame) + ".json"); };
  auto shotFile = [&](uint32_t frame) { return out / ("shot_" + std::to_string(frame) + ".png"); };
  for (uint32_t frame : run.stateFrames) {
    argv.insert(argv.end(), {"--state", std::to_string(frame) + ":" + stateFile(frame).string()});
  }
  for (uint32_t frame : run.shotFrames) {
    argv.insert(argv.end(), {"--shot", std::to_string(frame) + ":" + shotFile(frame).string()});
  }
  RunOutput output;
  output.folder = out;
  output.exitCode = e2e::Run(argv, {}, out, out / "runner");
  output.log = e2e::ReadFile(out / "events.log");
  for (uint32_t frame : run.stateFrames) output.states += e2e::ReadFile(stateFile(frame));
  output.hashes = "states " + e2e::FileHash(out / "states.jsonl") + "\n";
  for (uint32_t frame : run.shotFrames) {
    output.hashes += "shot " + std::to_string(frame) + " " + e2e::PixelHash(shotFile(frame)) + "\n";
  }
  return output;
}

void CompareWithGolden(const GoldenRun& run, const RunOutput& output) {
  const std::pair<const char*, const std::string*> parts[] = {
      {".log", &output.log}, {".states", &output.states}, {".hashes", &output.hashes}};
  for (const auto& [suffix, actual] : parts) {
    const fs::path golden = GoldenFolder() / (std::string(run.name) + suffix);
    if (UpdatingGolden()) {
      e2e::WriteFile(golden, *actual);
      continue;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; run with KERZONK_UPDATE_GOLDEN=1";
    EXPECT_EQ(*actual, e2e::ReadFile(golden)) << "differs from " << golden;
  }
}

void CheckGoldenRun(const GoldenRun& run) {
  e2e::ScratchFolder scratch;
  const RunOutput output = Replay(run, e2e::CopyGameFolder(scratch), scratch.Path() / "out");
  ASSERT_EQ(output.exitCode, 0) << e2e::ReadFile(output.folder / "runner.err");
  CompareWithGolden(run, output);
}

int32_t StoredBestScore(const fs::path& game) {
  const std::string bytes = e2e::ReadFile(game / BestScoreFileName);
  if (bytes.size() != 4) return -1;
  return static_cast<int32_t>(static_cast<uint8_t>(bytes[0]) | static_cast<uint8_t>(bytes[1]) << 8 |
                              static_cast<uint8_t>(bytes[2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(bytes[3])) << 24);
}

TEST(ReplayGolden, SoloGameFromTitleToGameOverAndBack) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  const RunOutput output = Replay(SoloGame, game, scratch.Path() / "out");
  ASSERT_EQ(output.exitCode, 0) << e2e::ReadFile(output.folder / "runner.err");
  CompareWithGolden(SoloGame, output);
  EXPECT_EQ(StoredBestScore(game), SoloFinalScore);
}

TEST(ReplayBestScore, AnUnwritableFileStillEndsTheGameNormally) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  fs::create_directory(game / BestScoreFileName);
  const RunOutput output = Replay(SoloGame, game, scratch.Path() / "out");
  ASSERT_EQ(output.exitCode, 0) << e2e::ReadFile(output.folder / "runner.err");
  // The same game as the golden one, back at the title at the same frame.
  EXPECT_EQ(output.log, e2e::ReadFile(GoldenFolder() / "solo.log"));
}

TEST(ReplayGolden, VersusGameWithRaisesToATopOut) { CheckGoldenRun(VersusGame); }

TEST(ReplayGolden, SpeedSelectVisitAndBack) { CheckGoldenRun(SpeedSelectVisit); }

TEST(ReplayDeterminism, TheSameRunTwiceGivesIdenticalFiles) {
  e2e::ScratchFolder scratch;
  const RunOutput first = Replay(SoloGame, e2e::CopyGameFolder(scratch), scratch.Path() / "first");
  fs::remove_all(scratch.Path() / "game");
  const RunOutput second = Replay(SoloGame, e2e::CopyGameFolder(scratch), scratch.Path() / "second");
  ASSERT_EQ(first.exitCode, 0);
  ASSERT_EQ(second.exitCode, 0);
  for (const auto& entry : fs::directory_iterator(first.folder)) {
    const fs::path name = entry.path().filename();
    if (name.string().rfind("runner", 0) == 0) continue;
    EXPECT_EQ(e2e::ReadFile(entry.path()), e2e::ReadFile(second.folder / name)) << name;
  }
}

TEST(ReplayStartup, AMissingPictureIsLoggedAtFrameZeroAndEndsWithOne) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  fs::remove(game / fs::u8path(PictureFileNames[1]));
  const fs::path out = scratch.Path();
  const int exitCode = e2e::Run({(e2e::BuiltGameFolder() / "kerzonk-replay").string(), "--data", game.string(),
                                 "--frames", "5", "--log", (out / "events.log").string()},
                                {}, out, out / "runner");
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(e2e::ReadFile(out / "events.log"), "0 notice \"お知らせ\" \"ビットマップのロードに失敗しました。\"\n");
}

// Options the runner cannot honour end it with 2 and a message before any
// frame runs; --help prints the usage and ends with 0.
TEST(ReplayStartup, OptionsOutOfBoundsEndWithTwoAndHelpWithZero) {
  e2e::ScratchFolder scratch;
  const std::string runner = (e2e::BuiltGameFolder() / "kerzonk-replay").string();
  const fs::path out = scratch.Path();
  const std::vector<std::pair<std::vector<std::string>, std::string>> faults = {
      {{"--frames", "4294967295"}, "--frames is at most 100000000"},
      {{"--frames", "100", "--time", "9223372036854775807"}, "runs past the calendar's end"},
      {{"--time", "9223372036854775807"}, "--frames is required"},
      {{"--frames", "5", "--speed", "2"}, "unknown option"},
  };
  for (const auto& [arguments, message] : faults) {
    std::vector<std::string> argv = {runner, "--data", e2e::BuiltGameFolder().string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(e2e::Run(argv, {}, out, out / "runner", 10000), 2) << message;
    EXPECT_NE(e2e::ReadFile(out / "runner.err").find(message), std::string::npos) << e2e::ReadFile(out / "runner.err");
  }
  EXPECT_EQ(e2e::Run({runner, "--help"}, {}, out, out / "help", 10000), 0);
  EXPECT_EQ(e2e::ReadFile(out / "help.out").rfind("usage: kerzonk-replay", 0), 0u) << e2e::ReadFile(out / "help.out");
}

}  // namespace
