#include "rules_test_support.h"
#include "screens/screens.h"

namespace {

TEST_F(RulesTest, SoloPairFallsLocksAndTheNextOneSpawns) {
  h.host.calendarStart = 1;  // first pair 20 over 44, next pair 40 over 16
  fallInterval = 0;
  playerPhase[0] = PhaseSpawn;
  int lockedOn = 0;
  for (int frame = 1; frame <= 200 && lockedOn == 0; ++frame) {
    SoloScene();
    if (playerPhase[0] == PhaseResolve) lockedOn = frame;
  }
  // 13 rows of 8 sub-steps, then 8 more resting on the floor; the first comes in the spawn frame.
  EXPECT_EQ(lockedOn, 13 * 8 + 8);
  EXPECT_EQ(well[0][13][4], 20);
  EXPECT_EQ(well[0][14][4], 44);
  SoloScene();
  EXPECT_EQ(playerPhase[0], PhaseSpawn);
  SoloScene();
  EXPECT_EQ(well[0][0][4], 40);
  EXPECT_EQ(well[0][1][4], 16);
  EXPECT_EQ(CountEffects(h, SfxLand), 1);
}

class VersusSceneTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    currentScene = SceneVersus;
    fallInterval = 0;
  }

  void FillBelowSpawn(uint8_t player) { well[player][1][4] = 0; }
};

TEST_F(VersusSceneTest, FirstPlayerToTopOutFreezesTheOther) {
  playerPhase[0] = PhaseFalling;
  PlacePair(0, 5, 3, 4, 8);
  keyDirections = DirDown;
  playerPhase[1] = PhaseSpawn;
  FillBelowSpawn(1);

  VersusScene();
  EXPECT_EQ(playerPhase[1], PhaseGameOver);
  EXPECT_EQ(pairTopRow[0], 6);  // player 0 ran before player 1 topped out

  for (int frame = 0; frame < 20; ++frame) VersusScene();
  EXPECT_EQ(pairTopRow[0], 6);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
  EXPECT_EQ(fallStep[0], 0);
}

TEST_F(VersusSceneTest, NextGameStartedAtTheEndOfTheLastLeavesTheStandingPlayerAlone) {
  // Player 0's game-over caption leaves the screen in this frame; Z still
  // held starts a solo game from the title straight away.
  playerPhase[0] = PhaseGameOver;
  gameOverCaptionY = -95.0;
  gameOverCaptionSpeed = 10.0;
  effectLatch = 1;
  playerPhase[1] = PhaseFalling;
  PlacePair(1, 7, 5, 20, 28);
  keyButton = 1;
  menuSelection = 0;
  joyButtons = 2;  // player 1 would step its pair's kinds
  fallStep[1] = 7;
  VersusScene();
  EXPECT_EQ(currentScene, SceneSolo);
  EXPECT_EQ(playerPhase[0], PhaseIntro);
  EXPECT_EQ(playerPhase[1], PhaseFalling);
  EXPECT_EQ(fallStep[1], 7);
  for (int row = 0; row < WellRows - 1; ++row) {
    for (int column = 1; column < WellColumns - 1; ++column) EXPECT_EQ(well[1][row][column], CellEmpty);
  }
}

TEST_F(VersusSceneTest, PlayerZeroTopsOutFirstWhenBothWould) {
  playerPhase[0] = PhaseSpawn;
  playerPhase[1] = PhaseSpawn;
  FillBelowSpawn(0);
  FillBelowSpawn(1);
  VersusScene();
  EXPECT_EQ(playerPhase[0], PhaseGameOver);
  EXPECT_EQ(playerPhase[1], PhaseSpawn);
}

TEST_F(VersusSceneTest, BothFallTimersRunWhileBothPlay) {
  playerPhase[0] = PhaseFalling;
  playerPhase[1] = PhaseFalling;
  PlacePair(0, 12, 2, 4, 8);
  PlacePair(1, 12, 6, 4, 8);
  for (int frame = 0; frame < 8; ++frame) VersusScene();
  EXPECT_EQ(pairBottomRow[0], 14);
  EXPECT_EQ(pairBottomRow[1], 14);
  for (int frame = 0; frame < 8; ++frame) VersusScene();
  EXPECT_EQ(playerPhase[0], PhaseResolve);
  EXPECT_EQ(playerPhase[1], PhaseResolve);
  EXPECT_EQ(CountEffects(h, SfxLand), 2);
}

}  // namespace
