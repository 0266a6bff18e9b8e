// Pausing a game: everything stands still while paused, and the game then goes
// on exactly as it would have without the pause.
#include <gtest/gtest.h>

#include <sstream>

#include "audio/music.h"
#include "audio/sound.h"
#include "headless_game.h"
#include "shell/logic_clock.h"
#include "shell/pause.h"
#include "shell/scenes.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

class PauseSwitch : public HeadlessGame {};

TEST_F(PauseSwitch, StopsTheLogicClockTheEffectsAndTheMusic) {
  soundAvailable = true;
  musicAvailable = true;
  currentScene = SceneSolo;
  headless.host.tick = 1000;
  TogglePause();
  EXPECT_TRUE(gamePaused);
  EXPECT_TRUE(headless.sound.paused);
  EXPECT_TRUE(headless.music.paused);
  headless.host.tick = 61000;
  EXPECT_EQ(LogicTicks(), 1000u);
  TogglePause();
  EXPECT_FALSE(headless.sound.paused);
  EXPECT_FALSE(headless.music.paused);
  headless.host.tick = 61016;
  EXPECT_EQ(LogicTicks(), 1016u) << "the paused minute is hidden";
  EXPECT_EQ(LogicCalendarSeconds(), 61) << "the calendar is not";
}

// The state stream of a solo game from the replay runner, one JSON line per
// frame, with the frame numbers taken out.
std::vector<std::string> SoloStates(const std::string& script, uint32_t frames, const e2e::ScratchFolder& scratch,
                                    const std::string& name) {
  const fs::path game = e2e::BuiltGameFolder();
  const fs::path input = scratch.Path() / (name + ".txt");
  const fs::path states = scratch.Path() / (name + ".jsonl");
  e2e::WriteFile(input, script);
  const int exitCode = e2e::Run({(game / "kerzonk-replay").string(), "--data", game.string(), "--frames",
                                 std::to_string(frames), "--input", input.string(), "--states", states.string()},
                                {}, scratch.Path(), scratch.Path() / name);
  EXPECT_EQ(exitCode, 0);
  std::vector<std::string> lines;
  std::istringstream stream(e2e::ReadFile(states));
  for (std::string line; std::getline(stream, line);) lines.push_back(line.substr(line.find(',')));
  return lines;
}

TEST(PausedGame, StandsStillAndThenGoesOnWhereItStopped) {
  e2e::ScratchFolder scratch;
  // A solo game whose first pair is steered while it falls; the second run
  // pauses it for frames 401 to 500, steers it meanwhile (which must do
  // nothing) and steers it as much later afterwards.
  const std::vector<std::string> plain =
      SoloStates("10 z\n12 -\n300 left\n302 -\n700 right x\n702 -\n", 900, scratch, "plain");
  const std::vector<std::string> paused = SoloStates(
      "10 z\n12 -\n300 left\n302 -\n400 pause\n402 -\n450 left z\n460 -\n500 pause\n501 -\n"
      "800 right x\n802 -\n",
      1000, scratch, "paused");
  ASSERT_EQ(plain.size(), 900u);
  ASSERT_EQ(paused.size(), 1000u);
  for (int frame = 401; frame <= 500; ++frame) {
    ASSERT_EQ(paused[frame - 1], paused[399]) << "frame " << frame << " moved while paused";
  }
  // The pair is still in the air at the last frame compared, so no spawn of a
  // later calendar second comes into it.
  for (int frame = 1; frame <= 900; ++frame) {
    const int same = frame <= 400 ? frame : frame + 100;
    ASSERT_EQ(plain[frame - 1], paused[same - 1]) << "frame " << frame;
  }
}

// Paused for frames 101 to 120 of the intro (READY and GO!, frames 11 to 221
// of this game), the first pair comes 20 frames later; its calendar second is
// the same, so it is the same pair, and the game goes on as before.
TEST(PausedGame, AnIntroPausedGoesOnWhereItStopped) {
  e2e::ScratchFolder scratch;
  const std::vector<std::string> plain = SoloStates("10 z\n12 -\n", 320, scratch, "plain");
  const std::vector<std::string> paused =
      SoloStates("10 z\n12 -\n100 pause\n101 -\n120 pause\n121 -\n", 340, scratch, "paused");
  ASSERT_EQ(paused.size(), 340u);
  for (int frame = 1; frame <= 320; ++frame) {
    const int same = frame <= 100 ? frame : frame + 20;
    ASSERT_EQ(plain[frame - 1], paused[same - 1]) << "frame " << frame;
  }
}

}  // namespace
