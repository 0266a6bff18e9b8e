#include <gtest/gtest.h>

#include "audio/sound.h"
#include "input/input.h"
#include "recording_platform.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "shell/reset.h"
#include "shell/scenes.h"
#include "video/display.h"

namespace {

using Events = std::vector<std::string>;

class SceneChange : public ::testing::Test {
 protected:
  void SetUp() override {
    recording.Install();
    ResetGameState();
    ASSERT_EQ(InitDisplay(640, 480, 8), 1);
    soundAvailable = true;
    // What the game looks like at the moment of each flip inside the change.
    recording.display.onFlip = [this] {
      recording.timeline.Add("latch " + std::to_string(effectLatch) + " scene " + std::to_string(currentScene) +
                             " phases " + std::to_string(playerPhase[0]) + std::to_string(playerPhase[1]));
    };
  }
  void TearDown() override { ResetGameState(); }
  Events Folded() const { return recording.timeline.Folded(); }

  RecordingPlatform recording;
};

Timeline* drawLog = nullptr;
void RecordDrawing() { drawLog->Add("draw"); }

TEST_F(SceneChange, RevealDrawsTwiceAroundOneFlipBetweenTheFades) {
  drawLog = &recording.timeline;
  RevealScene(RecordDrawing, KeepMusic);
  EXPECT_EQ(Folded(), (Events{"palette x256", "draw", "flip", "latch 0 scene 0 phases 00", "draw", "palette x256"}));
}

TEST_F(SceneChange, EnterSoloHoldsTheLatchThroughTheChange) {
  playerPhase[0] = PhaseGameOver;
  playerPhase[1] = PhaseGameOver;
  speedCursorX = 160;
  EnterSolo();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 1 scene 2 phases 06", "palette x256"}));
  EXPECT_EQ(effectLatch, 0);
  EXPECT_EQ(currentScene, SceneSolo);
  EXPECT_EQ(speedCursorX, 52);
}

TEST_F(SceneChange, EnterVersusPutsBothPlayersInTheIntro) {
  playerPhase[0] = PhaseGameOver;
  playerPhase[1] = PhaseGameOver;
  speedCursorX = 160;
  EnterVersus();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 1 scene 3 phases 00", "palette x256"}));
  EXPECT_EQ(effectLatch, 0);
  EXPECT_EQ(speedCursorX, 52);
}

TEST_F(SceneChange, EnterSpeedSelectKeepsTheCursorAndTheLatch) {
  speedCursorX = 160;
  EnterSpeedSelect();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 0 scene 1 phases 00", "palette x256"}));
  EXPECT_EQ(currentScene, SceneSpeedSelect);
  EXPECT_EQ(speedCursorX, 160);
}

TEST_F(SceneChange, ReturnToTitlePlaysNoEffect) {
  currentScene = SceneSpeedSelect;
  ReturnToTitle(KeepMusic);
  EXPECT_EQ(Folded(), (Events{"palette x256", "flip", "latch 0 scene 0 phases 00", "palette x256"}));
  EXPECT_EQ(currentScene, SceneTitle);
}

}  // namespace
