#include "rules_test_support.h"

namespace {

class FallTimerTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    playerPhase[0] = PhaseFalling;
    PlacePair(0, 3, 2, 4, 8);
  }
};

TEST_F(FallTimerTest, IntervalZeroMakesASubStepEveryFrame) {
  fallInterval = 0;
  for (int i = 0; i < 8; ++i) FallTick(0);
  EXPECT_EQ(pairTopRow[0], 4);
  EXPECT_EQ(well[0][5][2], 8);
  EXPECT_EQ(well[0][4][2], 4);
  EXPECT_EQ(well[0][3][2], CellEmpty);
  EXPECT_EQ(fallStep[0], 0);
}

TEST_F(FallTimerTest, OneRowTakesEightIntervals) {
  fallInterval = 150;
  h.host.tick = 0;
  lastFallTime[0] = 0;
  for (int step = 1; step <= 8; ++step) {
    h.host.tick = static_cast<uint32_t>(step * 150 - 1);
    FallTick(0);
    EXPECT_EQ(fallStep[0], step - 1) << "too early at sub-step " << step;
    h.host.tick += 1;
    FallTick(0);
  }
  EXPECT_EQ(pairTopRow[0], 4);
  EXPECT_EQ(lastFallTime[0], 1200u);
}

TEST_F(FallTimerTest, ClockDifferenceIsUnsigned) {
  fallInterval = 150;
  lastFallTime[0] = 0xFFFFFF00u;
  h.host.tick = 0x50;  // 0x150 = 336 ms after the last sub-step, across the wrap
  FallTick(0);
  EXPECT_EQ(fallStep[0], 1);
  EXPECT_EQ(lastFallTime[0], 0x50u);
}

TEST_F(FallTimerTest, DownPressOnABlockLocksAtTheNextSubStep) {
  well[0][5][2] = 0;
  keyDirections = DirDown;
  PhaseFallingHandler(0);
  fallInterval = 0;
  FallTick(0);
  EXPECT_EQ(playerPhase[0], PhaseResolve);
  EXPECT_EQ(fallStep[0], 0);
  EXPECT_EQ(dropRequested[0], 0);
  EXPECT_EQ(CountEffects(h, SfxLand), 1);
}

TEST_F(FallTimerTest, TimedDropGivesAnotherRowPeriodBeforeTheLock) {
  PlacePair(0, 12, 5, 4, 8);  // one row above the floor
  fallInterval = 0;
  for (int i = 0; i < 8; ++i) FallTick(0);
  EXPECT_EQ(pairBottomRow[0], 14);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
  for (int i = 0; i < 7; ++i) FallTick(0);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
  FallTick(0);
  EXPECT_EQ(playerPhase[0], PhaseResolve);
  EXPECT_EQ(pairBottomRow[0], 14);
  EXPECT_EQ(CountEffects(h, SfxLand), 1);
}

TEST_F(FallTimerTest, TimedDropCancelsADownRequest) {
  dropRequested[0] = 1;
  fallStep[0] = 7;
  fallInterval = 0;
  FallTick(0);
  EXPECT_EQ(pairTopRow[0], 4);
  EXPECT_EQ(dropRequested[0], 0);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
}

TEST_F(FallTimerTest, PairThatCannotDropAtTheEighthSubStepLocksAtOnce) {
  PlacePair(0, 13, 5, 4, 8);
  fallStep[0] = 7;
  fallInterval = 0;
  FallTick(0);
  EXPECT_EQ(playerPhase[0], PhaseResolve);
  EXPECT_EQ(well[0][14][5], 8);
  EXPECT_EQ(well[0][15][5], CellWall);
}

TEST_F(FallTimerTest, DoesNothingFromResolveOn) {
  fallInterval = 0;
  for (uint8_t phase : {PhaseResolve, PhaseFlash, PhaseCollapse, PhaseGameOver}) {
    playerPhase[0] = phase;
    FallTick(0);
    EXPECT_EQ(fallStep[0], 0);
  }
}

}  // namespace
