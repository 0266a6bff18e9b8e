#include "rules_test_support.h"

namespace {

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
