#include <gtest/gtest.h>

#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

class SpeedSelectTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
  void SetUp() override { currentScene = SceneSpeedSelect; }
  void Press(uint8_t direction) {
    keyDirections = direction;
    SpeedSelectScene();
    keyDirections = 0;
    SpeedSelectScene();
  }
};

TEST_F(SpeedSelectTest, OneStepEachWayWrapsAtTheEnds) {
  Press(DirRight);
  EXPECT_EQ(speedCursorX, 106);
  EXPECT_EQ(fallInterval, 140);
  Press(DirLeft);
  Press(DirLeft);
  EXPECT_EQ(speedCursorX, 538);
  EXPECT_EQ(fallInterval, 60);
}

TEST_F(SpeedSelectTest, TenPressesComeBackToTheStart) {
  for (int i = 0; i < 10; ++i) Press(DirRight);
  EXPECT_EQ(speedCursorX, 52);
  EXPECT_EQ(fallInterval, 150);
  EXPECT_EQ(bed.EffectsPlayed(SfxCursor), 10);
}

TEST_F(SpeedSelectTest, HeldArrowRepeatsEvery11Frames) {
  keyDirections = DirRight;
  std::vector<int> moves;
  int last = speedCursorX;
  for (int frame = 1; frame <= 34; ++frame) {
    SpeedSelectScene();
    if (speedCursorX != last) moves.push_back(frame);
    last = speedCursorX;
  }
  EXPECT_EQ(moves, (std::vector<int>{1, 12, 23, 34}));
  keyDirections = DirRight | DirLeft;
  speedRepeat = 0;
  SpeedSelectScene();
  EXPECT_EQ(speedCursorX, last);
}

TEST_F(SpeedSelectTest, DrawsTheScreenOverTheBackdropAndTheCursor) {
  bed.ClearBack();
  SpeedSelectScene();
  EXPECT_EQ(bed.At(0, 0), SpeedScreenIndex);
  EXPECT_EQ(bed.At(52, 46), SpeedCursorIndex);
  EXPECT_EQ(bed.At(90, 85), SpeedCursorIndex);
  EXPECT_EQ(bed.At(600, 200), BackdropFixedIndex);
}

TEST_F(SpeedSelectTest, ConfirmReturnsToTheTitleWithTheKeyClearedAndTheSpeedKept) {
  Press(DirRight);
  keyButton = 2;
  SpeedSelectScene();
  EXPECT_EQ(currentScene, SceneTitle);
  EXPECT_EQ(keyButton, 0);
  EXPECT_EQ(fallInterval, 140);
  EXPECT_EQ(bed.EffectsPlayed(SfxConfirm), 1);
  // The title was drawn twice: its logo has moved two frames and no game started.
  EXPECT_EQ(logoFrames, 2);
  EXPECT_EQ(currentScene, SceneTitle);
}

}  // namespace
