#include <gtest/gtest.h>

#include <cmath>

#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

class TitleTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
};

TEST_F(TitleTest, BouncingLogoFirstPassesRestLineOnFrame19AndRestsFrom456) {
  int firstPass = 0;
  for (int frame = 1; frame <= 19; ++frame) {
    DrawBouncingLogo();
    if (logoY > 80 && firstPass == 0) firstPass = frame;
  }
  EXPECT_EQ(firstPass, 19);
  EXPECT_EQ(logoY, 87);
  EXPECT_EQ(logoVelocity, -22);
  for (int frame = 20; frame <= 455; ++frame) DrawBouncingLogo();
  EXPECT_EQ(logoFrames, 455);
  for (int frame = 456; frame <= 470; ++frame) {
    DrawBouncingLogo();
    ASSERT_EQ(logoY, 80) << "frame " << frame;
  }
}

TEST_F(TitleTest, BouncingLogoShowsOnlyItsLowerPartAboveTheScreen) {
  DrawBouncingLogo();
  bed.ClearBack();
  DrawBouncingLogo();  // y -151: five of its 156 rows visible
  EXPECT_EQ(logoY, -151);
  EXPECT_EQ(bed.At(67, 0), BouncingLogoIndex);
  EXPECT_EQ(bed.At(67, 4), BouncingLogoIndex);
  EXPECT_EQ(bed.At(67, 5), ClearBackground);
  EXPECT_EQ(bed.At(66, 0), ClearBackground);
}

TEST_F(TitleTest, WaveReachesTheLastRowAfter176Frames) {
  for (int frame = 1; frame <= 175; ++frame) DrawWavyLogo();
  EXPECT_EQ(waveLines, 87);
  DrawWavyLogo();
  EXPECT_EQ(waveLines, 88);
  // The top row has advanced every frame: 0, 3, ..., 360, then back to 0.
  EXPECT_EQ(wavePhase[0], (176 % 121) * 3);
  // A row the wave has not reached yet stays straight at x 175.
  ResetScreensState();
  bed.ClearBack();
  DrawWavyLogo();
  EXPECT_EQ(wavePhase[88], 0);
  EXPECT_EQ(bed.At(175, 20 + 88), WavyLogoIndex);
  EXPECT_EQ(bed.At(174, 20 + 88), ClearBackground);
}

TEST_F(TitleTest, WaveTableUsesItsOwnPi) {
  DrawWavyLogo();
  ASSERT_TRUE(waveTable);
  EXPECT_EQ(waveTable[90], std::sin(90 * 3.14151692 / 180));
  EXPECT_NE(waveTable[180], std::sin(M_PI));
  EXPECT_GT(waveTable[180], 0.0);
}

TEST_F(TitleTest, MenuRepeatsOnFrames1And32And63AndWraps) {
  keyDirections = DirDown;
  std::vector<int> moves;
  int last = menuSelection;
  for (int frame = 1; frame <= 70; ++frame) {
    TitleMenu();
    if (menuSelection != last) moves.push_back(frame);
    last = menuSelection;
  }
  EXPECT_EQ(moves, (std::vector<int>{1, 32, 63}));
  EXPECT_EQ(menuSelection, 0);
  EXPECT_EQ(bed.EffectsPlayed(SfxCursor), 3);
}

TEST_F(TitleTest, UpFromTheStartHighlightsItem2WithTheCursorAt415) {
  keyDirections = DirUp;
  bed.ClearBack();
  TitleMenu();
  EXPECT_EQ(menuSelection, 2);
  EXPECT_EQ(menuCursorOffset, 120);
  EXPECT_EQ(bed.At(190, 415), CellIndex(16 * 2));
  EXPECT_EQ(bed.At(230, 375), ItemHighlightedIndex[2]);
  EXPECT_EQ(bed.At(230, 260), ItemNormalIndex[0]);
  EXPECT_EQ(bed.At(230, 305), ItemNormalIndex[1]);
}

TEST_F(TitleTest, TwoDirectionsTogetherRunTheCounterWithoutMoving) {
  keyDirections = DirDown | DirUp;
  for (int frame = 0; frame < 40; ++frame) TitleMenu();
  EXPECT_EQ(menuSelection, 0);
  EXPECT_EQ(bed.EffectsPlayed(SfxCursor), 0);
}

TEST_F(TitleTest, CursorShowsFramesForTenTenTenAndOneCalls) {
  std::vector<int> frames;
  for (int call = 0; call < 31; ++call) {
    bed.ClearBack();
    TitleMenu();
    frames.push_back(bed.At(190, 295) - CellIndex(0));
  }
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 0), 10);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 1), 10);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 2), 10);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 3), 1);
}

TEST_F(TitleTest, ConfirmReleasesTheWaveTableAndClearsTheKeyOnlyForSpeedSelect) {
  DrawWavyLogo();
  keyButton = 1;
  TitleMenu();
  EXPECT_FALSE(waveTable);
  EXPECT_EQ(keyButton, 1);

  DrawWavyLogo();
  menuSelection = 2;
  TitleMenu();
  EXPECT_FALSE(waveTable);
  EXPECT_EQ(keyButton, 0);
}

TEST_F(TitleTest, BackdropOffsetsDriftAndWrap) {
  for (int frame = 1; frame <= 127; ++frame) DrawBackdrop();
  EXPECT_EQ(bgScrollX, -127);
  EXPECT_EQ(bgScrollY, -7);  // wrapped to 0 after -119
  DrawBackdrop();
  EXPECT_EQ(bgScrollX, 0);
  EXPECT_EQ(bgScrollY, -8);
}

TEST_F(TitleTest, BackdropCoversTheScreenWithBothLayers) {
  bed.ClearBack();
  DrawBackdrop();
  // Moving tiles cover their left half; the fixed layer shows in the right half.
  EXPECT_EQ(bed.At(0, 0), BackdropMovingIndex);
  EXPECT_EQ(bed.At(100, 0), BackdropFixedIndex);
  EXPECT_EQ(bed.At(639, 479), BackdropFixedIndex);
  for (uint8_t p : bed.back.pixels) ASSERT_TRUE(p == BackdropFixedIndex || p == BackdropMovingIndex);
  // One frame later the moving layer has drifted one pixel left and up.
  DrawBackdrop();
  EXPECT_EQ(bed.At(63, 0), BackdropFixedIndex);
  EXPECT_EQ(bed.At(127, 119), BackdropMovingIndex);
}

}  // namespace

namespace {

uint64_t FrameSum(const Surface& s) {
  uint64_t sum = 0;
  for (size_t i = 0; i < s.pixels.size(); ++i) sum = sum * 31 + s.pixels[i];
  return sum;
}

TEST(ScreensReset, BringsTheTitleBackToItsFirstFrames) {
  ScreensTestBed bed;
  for (int frame = 0; frame < 90; ++frame) TitleScene();
  const uint64_t fresh = FrameSum(bed.back);
  keyDirections = DirDown;
  for (int frame = 0; frame < 300; ++frame) TitleScene();
  speedCursorX = 430;
  gameOverCaptionY = -50.0;
  cellOffsetX[1][3][3] = 9;
  blockAnimTick[0] = 17;
  keyDirections = 0;
  ResetScreensState();
  EXPECT_EQ(speedCursorX, 52);
  EXPECT_EQ(gameOverCaptionY, 480.0);
  EXPECT_EQ(cellOffsetX[1][3][3], 0);
  EXPECT_EQ(blockAnimTick[0], 0);
  EXPECT_FALSE(waveTable);
  for (int frame = 0; frame < 90; ++frame) TitleScene();
  EXPECT_EQ(FrameSum(bed.back), fresh);
}

}  // namespace

namespace {

TEST(TitleConfirm, TheMenuIsNotDrawnOverTheSceneItStarted) {
  ScreensTestBed bed;
  menuSelection = 1;
  keyButton = 1;
  TitleScene();
  EXPECT_EQ(currentScene, SceneVersus);
  EXPECT_EQ(playerPhase[0], PhaseIntro);
  // The versus scene drew its side panel where the title's items would lie.
  EXPECT_EQ(bed.At(300, 320), VersusPanelIndex);
  EXPECT_NE(bed.At(230, 305), ItemHighlightedIndex[1]);
  // The bouncing logo starts afresh; the intro sound waits for the first regular frame.
  EXPECT_EQ(logoFrames, 0);
  EXPECT_EQ(bed.EffectsPlayed(SfxIntro), 0);
  EXPECT_EQ(bed.EffectsPlayed(SfxConfirm), 1);
}

TEST(TitleConfirm, SpeedSelectDoesNotTakeTheConfirmingPress) {
  ScreensTestBed bed;
  menuSelection = 2;
  keyButton = 1;
  TitleScene();
  EXPECT_EQ(currentScene, SceneSpeedSelect);
  EXPECT_EQ(bed.EffectsPlayed(SfxConfirm), 1);
  EXPECT_EQ(bed.At(0, 0), SpeedScreenIndex);
}

}  // namespace
