#include "rules_test_support.h"

namespace {

class FallingTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    playerPhase[0] = PhaseFalling;
    PlacePair(0, 3, 1, 4, 8);
  }

  // Calls the handler for frames 1..count with the given input held; returns
  // the frames (1-based) at which the watched value changed.
  template <typename Watch>
  std::vector<int> FramesThatChange(int count, Watch watch) {
    std::vector<int> frames;
    for (int frame = 1; frame <= count; ++frame) {
      const int before = watch();
      PhaseFallingHandler(0);
      if (watch() != before) frames.push_back(frame);
    }
    return frames;
  }
};

TEST_F(FallingTest, HeldRightMovesOnFirstFrameThenEveryEighth) {
  keyDirections = DirRight;
  const auto moves = FramesThatChange(17, [] { return int{pairTopCol[0]}; });
  EXPECT_EQ(moves, (std::vector<int>{1, 9, 17}));
  EXPECT_EQ(pairTopCol[0], 4);
  EXPECT_EQ(pairBottomCol[0], 4);
  EXPECT_EQ(well[0][3][4], 4);
  EXPECT_EQ(well[0][4][4], 8);
  EXPECT_EQ(well[0][3][3], CellEmpty);
  EXPECT_EQ(well[0][4][3], CellEmpty);
}

TEST_F(FallingTest, ReleasingAndPressingAgainMovesAtOnce) {
  keyDirections = DirRight;
  PhaseFallingHandler(0);
  PhaseFallingHandler(0);
  keyDirections = 0;
  PhaseFallingHandler(0);
  keyDirections = DirRight;
  PhaseFallingHandler(0);
  EXPECT_EQ(pairTopCol[0], 3);
}

TEST_F(FallingTest, HeldLeftStopsAtTheWall) {
  PlacePair(0, 3, 2, 4, 8);
  well[0][3][1] = CellEmpty;
  well[0][4][1] = CellEmpty;
  keyDirections = DirLeft;
  const auto moves = FramesThatChange(17, [] { return int{pairTopCol[0]}; });
  EXPECT_EQ(moves, (std::vector<int>{1}));
  EXPECT_EQ(well[0][3][0], CellWall);
  EXPECT_EQ(well[0][4][0], CellWall);
}

TEST_F(FallingTest, RightIsBlockedWhenEitherSideCellHoldsABlock) {
  well[0][4][2] = 12;
  keyDirections = DirRight;
  PhaseFallingHandler(0);
  EXPECT_EQ(pairTopCol[0], 1);
  EXPECT_EQ(well[0][4][2], 12);
}

TEST_F(FallingTest, HeldDownPushesEveryFourthFrame) {
  keyDirections = DirDown;
  const auto pushes = FramesThatChange(9, [] { return int{pairTopRow[0]}; });
  EXPECT_EQ(pushes, (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(pairBottomRow[0], 7);
  EXPECT_EQ(well[0][6][1], 4);
  EXPECT_EQ(well[0][7][1], 8);
  EXPECT_EQ(well[0][5][1], CellEmpty);
  EXPECT_EQ(dropRequested[0], 1);
  EXPECT_EQ(fallStep[0], 0);
}

TEST_F(FallingTest, DownOnABlockOnlyRequestsTheLock) {
  well[0][5][1] = 0;
  fallStep[0] = 5;
  keyDirections = DirDown;
  PhaseFallingHandler(0);
  EXPECT_EQ(pairTopRow[0], 3);
  EXPECT_EQ(dropRequested[0], 1);
  EXPECT_EQ(fallStep[0], 5);
}

TEST_F(FallingTest, HeldUpSwapsEveryThirtyFirstFrame) {
  keyDirections = DirUp;
  const auto swaps = FramesThatChange(32, [] { return int{well[0][3][1]}; });
  EXPECT_EQ(swaps, (std::vector<int>{1, 32}));
  EXPECT_EQ(well[0][3][1], 4);
}

TEST_F(FallingTest, HeldButtonStepsKindsEveryThirtyFirstFrame) {
  keyButton = 2;
  const auto steps = FramesThatChange(32, [] { return int{well[0][3][1]}; });
  EXPECT_EQ(steps, (std::vector<int>{1, 32}));
  EXPECT_EQ(well[0][3][1], 12);
  EXPECT_EQ(well[0][4][1], 0);
}

TEST_F(FallingTest, DiagonalMovesNothingButKeepsTheCountersRunning) {
  keyDirections = DirRight | DirDown;
  PhaseFallingHandler(0);
  PhaseFallingHandler(0);
  PhaseFallingHandler(0);
  EXPECT_EQ(pairTopRow[0], 3);
  EXPECT_EQ(pairTopCol[0], 1);
  keyDirections = DirRight;
  PhaseFallingHandler(0);
  EXPECT_EQ(pairTopCol[0], 1);
  const uint8_t sideways = repeatCount[0][0];
  EXPECT_EQ(sideways, 4);
}

TEST_F(FallingTest, PlayerOneUsesTheJoystickLowButtonByte) {
  PlacePair(1, 3, 1, 4, 8);
  keyButton = 2;
  joyButtons = 0x100 | 1;
  PhaseFallingHandler(1);
  EXPECT_EQ(well[1][3][1], 0);
  EXPECT_EQ(well[1][4][1], 4);
  EXPECT_EQ(well[0][3][1], 4);

  joyDirections = DirRight;
  PhaseFallingHandler(1);
  EXPECT_EQ(pairTopCol[1], 2);
}

TEST(KindSteps, SpecialBlockForwardAndBackward) {
  std::vector<int> forward;
  uint8_t cell = 48;
  for (int i = 0; i < 4; ++i) {
    cell = static_cast<uint8_t>(cell + 4);
    KindUp(cell);
    forward.push_back(cell);
  }
  EXPECT_EQ(forward, (std::vector<int>{52, 56, 60, 48}));

  std::vector<int> backward;
  for (int i = 0; i < 4; ++i) {
    cell = static_cast<uint8_t>(cell - 4);
    KindDown(cell);
    backward.push_back(cell);
  }
  EXPECT_EQ(backward, (std::vector<int>{60, 56, 52, 48}));
}

TEST(KindSteps, EveryGroupWrapsWithinItself) {
  const std::pair<int, int> upWraps[] = {{12, 0}, {28, 16}, {44, 32}, {60, 48}};
  for (auto [from, to] : upWraps) {
    uint8_t cell = static_cast<uint8_t>(from + 4);
    KindUp(cell);
    EXPECT_EQ(cell, to) << "up from " << from;
  }
  const std::pair<int, int> downWraps[] = {{0, 12}, {16, 28}, {32, 44}, {48, 60}};
  for (auto [from, to] : downWraps) {
    uint8_t cell = static_cast<uint8_t>(from - 4);
    KindDown(cell);
    EXPECT_EQ(cell, to) << "down from " << from;
  }
}

TEST_F(FallingTest, ButtonOneTurnsCodeZeroToTwelve) {
  PlacePair(0, 3, 1, 0, 16);
  keyButton = 1;
  PhaseFallingHandler(0);
  EXPECT_EQ(well[0][3][1], 12);
  EXPECT_EQ(well[0][4][1], 28);
}

}  // namespace
