#include "rules_test_support.h"

namespace {

using CollapseTest = RulesTest;

TEST_F(CollapseTest, ColumnWithTwoGapsSettlesInOneCall) {
  DrawWellPicture(0, {"c......", ".......", "b......", ".......", "a......"});
  playerPhase[0] = PhaseCollapse;
  PhaseCollapseHandler(0);
  EXPECT_EQ(well[0][14][1], 0);
  EXPECT_EQ(well[0][13][1], 4);
  EXPECT_EQ(well[0][12][1], 8);
  EXPECT_EQ(well[0][11][1], CellEmpty);
  EXPECT_EQ(well[0][10][1], CellEmpty);
  EXPECT_EQ(playerPhase[0], PhaseResolve);
  EXPECT_EQ(CountEffects(h, SfxDrop), 3);  // one request per single-row move
}

TEST_F(CollapseTest, OneDropRequestPerRowFallen) {
  well[0][2][6] = 20;
  PhaseCollapseHandler(0);
  EXPECT_EQ(well[0][14][6], 20);
  EXPECT_EQ(CountEffects(h, SfxDrop), 12);
}

TEST_F(CollapseTest, FallIntervalFollowsClearedBlocksAndNeverRises) {
  fallInterval = 135;  // a faster start chosen on the speed screen
  clearedBlocks[0] = 20;
  PhaseCollapseHandler(0);
  EXPECT_EQ(fallInterval, 135);
  clearedBlocks[0] = 59;
  PhaseCollapseHandler(0);
  EXPECT_EQ(fallInterval, 130);
  clearedBlocks[0] = 319;
  PhaseCollapseHandler(0);
  EXPECT_EQ(fallInterval, 0);
  clearedBlocks[0] = 320;  // target -10
  PhaseCollapseHandler(0);
  EXPECT_EQ(fallInterval, 0);
}

TEST_F(CollapseTest, VersusSpeedFollowsTheCollapsingPlayer) {
  currentScene = SceneVersus;
  clearedBlocks[0] = 100;
  clearedBlocks[1] = 20;
  PhaseCollapseHandler(1);
  EXPECT_EQ(fallInterval, 140);
  PhaseCollapseHandler(0);
  EXPECT_EQ(fallInterval, 100);
}

}  // namespace
