#include "rules_test_support.h"

namespace {

class ScoringTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    playerPhase[0] = PhaseResolve;
  }

  int MarkedCells(uint8_t player) {
    int count = 0;
    for (auto& row : clearMarks[player]) {
      for (uint8_t mark : row) count += mark < NotMarked;
    }
    return count;
  }
};

TEST_F(ScoringTest, HorizontalFiveScoresEveryWindow) {
  DrawWellPicture(0, {"ccccc.."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 30 + 2 * 20 + 3 * 10);
  EXPECT_EQ(MarkedCells(0), 5);
  EXPECT_EQ(clearMarks[0][14][1], 8);
  EXPECT_EQ(clearMarks[0][14][6], NotMarked);
  EXPECT_EQ(playerPhase[0], PhaseFlash);
  EXPECT_EQ(chainCount[0], 1);
}

TEST_F(ScoringTest, HorizontalFiveHighInTheWellScoresTheSame) {
  DrawWellPicture(0, {"..ccccc", ".......", ".......", "......."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 100);
}

TEST_F(ScoringTest, VerticalFourScoresOneFourAndTwoThrees) {
  DrawWellPicture(0, {"...e...", "...e...", "...e...", "...e..."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 20 + 10 + 10);
  EXPECT_EQ(MarkedCells(0), 4);
}

TEST_F(ScoringTest, SquareMatchesAllFourCorners) {
  DrawWellPicture(0, {".gg....", ".gg...."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 4 * 10);
  EXPECT_EQ(MarkedCells(0), 4);
}

TEST_F(ScoringTest, CornerShapesScoreLikeARunOfThree) {
  DrawWellPicture(0, {"h......", "hh....."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 10);

  ResetRulesState();
  DrawWellPicture(0, {"hh.....", "h......"});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 10);
}

TEST_F(ScoringTest, DiagonalsBothWays) {
  DrawWellPicture(0, {"a.....b", "ca...bc", "dca.bcd"});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 2 * 10);
  EXPECT_EQ(clearMarks[0][12][1], 0);
  EXPECT_EQ(clearMarks[0][14][5], 4);
}

TEST_F(ScoringTest, SpeedBonusAndChainMultiplier) {
  fallInterval = 100;
  chainCount[0] = 1;
  DrawWellPicture(0, {"iii...."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, (10 + 50) * 2);
}

TEST_F(ScoringTest, SpecialBlocksFormOrdinaryRuns) {
  DrawWellPicture(0, {"UUU...."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 10);
  EXPECT_EQ(clearMarks[0][14][2], 56);
}

TEST_F(ScoringTest, VersusNeverScores) {
  currentScene = SceneVersus;
  DrawWellPicture(0, {"ccccc.."});
  PhaseResolveHandler(0);
  EXPECT_EQ(score, 0);
  EXPECT_EQ(playerPhase[0], PhaseFlash);
}

TEST_F(ScoringTest, PassWithoutRunsEndsTheTurn) {
  DrawWellPicture(0, {"ab.....", "ba....."});
  PhaseResolveHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseSpawn);
  EXPECT_EQ(chainCount[0], 0);
  EXPECT_EQ(bestChain[0], 0);
  EXPECT_EQ(MarkedCells(0), 0);
}

TEST_F(ScoringTest, BestChainIsPassesMinusTwo) {
  chainCount[0] = 2;  // one clearing step, this is the pass that finds nothing
  PhaseResolveHandler(0);
  EXPECT_EQ(bestChain[0], 1);
  chainCount[0] = 4;
  PhaseResolveHandler(0);
  EXPECT_EQ(bestChain[0], 3);
  chainCount[0] = 1;
  PhaseResolveHandler(0);
  EXPECT_EQ(bestChain[0], 3);
}

TEST_F(ScoringTest, WrappedChainCountDoesNotLowerBestChain) {
  bestChain[0] = 200;
  chainCount[0] = 255;  // the pass makes it 0: passes - 2 is -2 as a signed int
  PhaseResolveHandler(0);
  EXPECT_EQ(bestChain[0], 200);
}

}  // namespace
