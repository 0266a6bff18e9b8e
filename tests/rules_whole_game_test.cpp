#include <gtest/gtest.h>

#include "tests/screens_test_bed.h"

namespace {

constexpr int FrameMs = 16;
constexpr int FrameLimit = 20000;

class WholeGameTest : public ::testing::Test {
 protected:
  testbed::ScreensTestBed bed;
  uint32_t inputState = 3;
  int frameCount = 0;

  void SetUp() override {
    bed.headless.host.calendarStart = 1700000000;
    fallInterval = 0;
  }

  // Keys and joystick wander as a restless player's would, the same in every run.
  void WanderInputs() {
    inputState = inputState * 1103515245u + 12345u;
    const uint8_t choices[] = {0, DirRight, DirLeft, DirUp, 0, DirRight, DirLeft, 0};
    keyDirections = choices[(inputState >> 16) & 7];
    joyDirections = choices[(inputState >> 20) & 7];
    keyButton = static_cast<uint8_t>((inputState >> 24) % 3);
    joyButtons = (inputState >> 27) % 3;
  }

  // One frame of the running scene on the virtual clock.
  void Frame() {
    if (frameCount % 6 == 0) WanderInputs();
    ++frameCount;
    bed.headless.host.tick += FrameMs;
    CallSceneHandler(currentScene);
  }

  bool WallsIntact(uint8_t player) const {
    for (int row = 0; row < WellRows; ++row) {
      if (well[player][row][0] != CellWall || well[player][row][WellColumns - 1] != CellWall) return false;
    }
    for (int column = 0; column < WellColumns; ++column) {
      if (well[player][WellRows - 1][column] != CellWall) return false;
    }
    return true;
  }
};

TEST_F(WholeGameTest, SoloGameRunsFromIntroToGameOver) {
  currentScene = SceneSolo;
  playerPhase[0] = PhaseIntro;
  while (playerPhase[0] != PhaseGameOver && frameCount < FrameLimit) Frame();
  ASSERT_EQ(playerPhase[0], PhaseGameOver);
  EXPECT_NE(well[0][1][4], CellEmpty);
  EXPECT_TRUE(WallsIntact(0));
  EXPECT_GT(clearedBlocks[0], 0);
  EXPECT_GT(score, 0);
  EXPECT_EQ(score % 10, 0);
}

TEST_F(WholeGameTest, VersusGameEndsForBothWhenOneTopsOut) {
  currentScene = SceneVersus;
  playerPhase[0] = PhaseIntro;
  playerPhase[1] = PhaseIntro;
  while (playerPhase[0] != PhaseGameOver && playerPhase[1] != PhaseGameOver && frameCount < FrameLimit) {
    Frame();
  }
  ASSERT_LT(frameCount, FrameLimit);
  const uint8_t loser = playerPhase[0] == PhaseGameOver ? 0 : 1;
  const uint8_t winner = 1 - loser;
  EXPECT_NE(playerPhase[winner], PhaseGameOver);
  EXPECT_GT(raisedRows[0] + raisedRows[1], 0);
  EXPECT_TRUE(WallsIntact(0));
  EXPECT_TRUE(WallsIntact(1));
  EXPECT_EQ(score, 0);

  while (currentScene == SceneVersus && frameCount < FrameLimit) Frame();
  EXPECT_EQ(currentScene, SceneTitle);
  EXPECT_EQ(raisedRows[0], 0);
  EXPECT_EQ(raisedRows[1], 0);
  EXPECT_EQ(well[winner][14][4], CellEmpty);
  EXPECT_EQ(fallInterval, StartFallInterval);
}

}  // namespace
