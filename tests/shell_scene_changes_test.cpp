#include <gtest/gtest.h>

#include "audio/music.h"
#include "audio/sound.h"
#include "input/input.h"
#include "recording_platform.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "shell/app.h"
#include "shell/reset.h"
#include "shell/scenes.h"
#include "video/display.h"

namespace {

using Events = std::vector<std::string>;

// Each change runs inside one call; the timeline shows the effect requests,
// the palette writes of the fades, the flip with the game's state at that
// moment, and the music requests.
class SceneChange : public ::testing::Test {
 protected:
  void SetUp() override {
    recording.Install();
    ResetGameState();
    ASSERT_EQ(InitDisplay(640, 480, 8), 1);
    ASSERT_EQ(InitSound(), 1);
    ASSERT_EQ(InitMusic(), 1);
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

TEST_F(SceneChange, RevealDrawsTwiceAroundOneFlipAndChangesTheMusicBeforeTheFadeIn) {
  drawLog = &recording.timeline;
  RevealScene(RecordDrawing, MusicGame);
  EXPECT_EQ(Folded(), (Events{"palette x256", "draw", "flip", "latch 0 scene 0 phases 00", "draw",
                              "music 1 repeats 65025", "palette x256"}));
  recording.timeline.events.clear();
  RevealScene(RecordDrawing, KeepMusic);
  EXPECT_EQ(Folded(), (Events{"palette x256", "draw", "flip", "latch 0 scene 0 phases 00", "draw", "palette x256"}));
}

TEST_F(SceneChange, EnterSoloHoldsTheLatchSoTheIntroSoundWaitsForTheFirstFrame) {
  playerPhase[0] = PhaseGameOver;
  playerPhase[1] = PhaseGameOver;
  speedCursorX = 160;
  logoFrames = 300;
  EnterSolo();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 1 scene 2 phases 06",
                              "music 1 repeats 65025", "palette x256"}));
  EXPECT_EQ(bgScrollX, -2) << "the solo scene is drawn twice";
  EXPECT_EQ(effectLatch, 0);
  EXPECT_EQ(speedCursorX, 52);
  EXPECT_EQ(logoFrames, 0);
  EXPECT_EQ(logoY, -160);

  recording.timeline.events.clear();
  appActive = 1;
  int exitCode = 0;
  RunLoopPass(exitCode);
  EXPECT_EQ(recording.timeline.events.front(), "effect 6");
}

TEST_F(SceneChange, EnterVersusPutsBothPlayersInTheIntro) {
  playerPhase[0] = PhaseGameOver;
  playerPhase[1] = PhaseGameOver;
  speedCursorX = 160;
  EnterVersus();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 1 scene 3 phases 00",
                              "music 1 repeats 65025", "palette x256"}));
  EXPECT_EQ(bgScrollX, -2);
  EXPECT_EQ(effectLatch, 0);
  EXPECT_EQ(speedCursorX, 52);
}

TEST_F(SceneChange, ConfirmingSpeedSelectOnTheTitleIsNotTakenAgainByTheNewScene) {
  menuSelection = 2;
  speedCursorX = 160;
  logoFrames = 300;
  keyButton = ButtonX;
  TitleScene();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 0 scene 1 phases 00", "palette x256"}));
  EXPECT_EQ(currentScene, SceneSpeedSelect);
  EXPECT_EQ(keyButton, ButtonNone);
  EXPECT_EQ(speedCursorX, 160);
  EXPECT_EQ(logoFrames, 0);
}

TEST_F(SceneChange, SpeedSelectReturnsToTheTitleWithoutMusic) {
  currentScene = SceneSpeedSelect;
  keyButton = ButtonZ;
  SpeedSelectScene();
  EXPECT_EQ(Folded(), (Events{"effect 1", "palette x256", "flip", "latch 0 scene 0 phases 00", "palette x256"}));
  EXPECT_EQ(currentScene, SceneTitle);
  EXPECT_EQ(keyButton, ButtonNone);
}

TEST_F(SceneChange, EndOfAGameReturnsToTheTitleWithItsMusicAndNoEffect) {
  currentScene = SceneSolo;
  ReturnToTitle(MusicTitle);
  EXPECT_EQ(Folded(), (Events{"palette x256", "flip", "latch 0 scene 0 phases 00", "music 0 repeats 65025",
                              "palette x256"}));
}

}  // namespace
