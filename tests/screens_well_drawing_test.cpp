#include <gtest/gtest.h>

#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

class WellDrawingTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
  void SetUp() override { currentScene = SceneSolo; }
};

TEST_F(WellDrawingTest, BlockAnimationCyclesOver41Frames) {
  well[0][5][3] = 8;
  std::vector<int> sprites;
  for (int frame = 0; frame < 41; ++frame) {
    bed.ClearBack();
    DrawWell(0);
    sprites.push_back(bed.At(142 + 3 * 32 + 16, (5 - 1) * 32 + 16) - CellIndex(0));
  }
  EXPECT_EQ(std::count(sprites.begin(), sprites.end(), 8), 10);  // ticks 1..9, then 0 at the end
  EXPECT_EQ(std::count(sprites.begin(), sprites.end(), 9), 10);
  EXPECT_EQ(std::count(sprites.begin(), sprites.end(), 10), 10);
  EXPECT_EQ(std::count(sprites.begin(), sprites.end(), 11), 11);
  EXPECT_EQ(sprites.front(), 8);
  EXPECT_EQ(sprites.back(), 8);
  EXPECT_EQ(blockAnimTick[0], 0);
}

TEST_F(WellDrawingTest, WallsEmptyCellsAndTheEmptySpriteDrawNothing) {
  well[0][3][3] = CellEmpty;
  well[0][3][4] = 75;
  for (auto& row : clearMarks[0]) std::fill(std::begin(row), std::end(row), NotMarked);
  cellOffsetX[0][3][0] = 40;  // a wall with an offset still draws nothing
  bed.ClearBack();
  DrawWell(0);
  for (int y = 0; y < 448; ++y) {
    for (int x = 142; x < 430; ++x) ASSERT_EQ(bed.At(x, y), ClearBackground) << x << "," << y;
  }
}

TEST_F(WellDrawingTest, FlashPicturesDoNotAnimate) {
  well[0][2][2] = 64;
  for (int frame = 0; frame < 41; ++frame) {
    bed.ClearBack();
    DrawWell(0);
    ASSERT_EQ(bed.At(142 + 64 + 5, 32 + 5), CellIndex(64));
  }
}

TEST_F(WellDrawingTest, MarkedCellShrinksByTheWholePixelsOfTheFlashDelay) {
  well[0][2][2] = 4;
  clearMarks[0][2][2] = 4;
  flashDelay[0] = 7.5f;
  bed.ClearBack();
  DrawWell(0);
  const int x0 = 142 + 64, y0 = 32;
  EXPECT_EQ(bed.At(x0 + 6, y0 + 16), ClearBackground);
  EXPECT_EQ(bed.At(x0 + 7, y0 + 7), CellIndex(4));
  EXPECT_EQ(bed.At(x0 + 24, y0 + 24), CellIndex(4));
  EXPECT_EQ(bed.At(x0 + 25, y0 + 16), ClearBackground);
  EXPECT_EQ(bed.At(x0 + 16, y0 + 25), ClearBackground);
}

TEST_F(WellDrawingTest, ScatterOffsetsMoveUnmarkedCells) {
  for (auto& row : clearMarks[0]) std::fill(std::begin(row), std::end(row), NotMarked);
  well[0][2][2] = 4;
  cellOffsetX[0][2][2] = -3;
  cellOffsetY[0][2][2] = 10;
  bed.ClearBack();
  DrawWell(0);
  const int x0 = 142 + 64 - 3, y0 = 32 + 10;
  EXPECT_EQ(bed.At(x0, y0), CellIndex(4));
  EXPECT_EQ(bed.At(x0 - 1, y0), ClearBackground);
  EXPECT_EQ(bed.At(x0 + 31, y0 + 31), CellIndex(4));
  EXPECT_EQ(bed.At(x0 + 10, y0 - 1), ClearBackground);
}

TEST_F(WellDrawingTest, RowsAboveTheViewAreClippedAway) {
  viewTopRow[0] = 3;
  well[0][2][2] = 4;  // y -32: wholly above the screen
  well[0][3][3] = 8;  // y 0
  bed.ClearBack();
  DrawWell(0);
  EXPECT_EQ(bed.At(142 + 96, 0), CellIndex(8));
  for (int x = 142 + 64; x < 142 + 96; ++x) ASSERT_EQ(bed.At(x, 0), ClearBackground);
  // A cell half above the screen shows its lower half.
  viewTopRow[0] = 1;
  for (auto& row : clearMarks[0]) std::fill(std::begin(row), std::end(row), NotMarked);
  cellOffsetY[0][1][4] = -16;
  well[0][1][4] = 12;
  bed.ClearBack();
  DrawWell(0);
  EXPECT_EQ(bed.At(142 + 128, 15), CellIndex(12));
  EXPECT_EQ(bed.At(142 + 128, 16), ClearBackground);
}

TEST_F(WellDrawingTest, PreviewPositionsBySceneAndPlayer) {
  nextTop[0] = 0;
  nextBottom[0] = 48;
  nextTop[1] = 4;
  nextBottom[1] = 8;
  bed.ClearBack();
  DrawWell(0);
  EXPECT_EQ(bed.At(445, 12), CellIndex(0));
  EXPECT_EQ(bed.At(445, 44), CellIndex(48));

  currentScene = SceneVersus;
  bed.ClearBack();
  DrawWell(0);
  DrawWell(1);
  EXPECT_EQ(bed.At(303, 20), CellIndex(0));
  EXPECT_EQ(bed.At(303, 19), ClearBackground);
  EXPECT_EQ(bed.At(303, 52), CellIndex(48));
  EXPECT_EQ(bed.At(303, 342), CellIndex(4));
  EXPECT_EQ(bed.At(303, 341), ClearBackground);
  EXPECT_EQ(bed.At(303, 374), CellIndex(8));
}

TEST_F(WellDrawingTest, FramesAndSidePanelsBySceneAndPlayer) {
  bed.ClearBack();
  DrawWellFrame(0);
  DrawSidePanel();
  EXPECT_EQ(bed.At(142, 0), FrameTileIndex(TileSideWall));
  EXPECT_EQ(bed.At(142 + 32, 0), FrameTileIndex(TileInside));
  EXPECT_EQ(bed.At(142, 448), FrameTileIndex(TileBottomLeft));
  EXPECT_EQ(bed.At(429, 479), FrameTileIndex(TileBottomRight));
  EXPECT_EQ(bed.At(430, 0), SoloPanelIndex);
  EXPECT_EQ(bed.At(493, 479), SoloPanelIndex);

  currentScene = SceneVersus;
  frameTiles[1][13][3] = TileFloor;
  bed.ClearBack();
  DrawWellFrame(0);
  DrawWellFrame(1);
  DrawSidePanel();
  EXPECT_EQ(bed.At(0, 0), FrameTileIndex(TileSideWall));
  EXPECT_EQ(bed.At(288, 0), VersusPanelIndex);
  EXPECT_EQ(bed.At(351, 479), VersusPanelIndex);
  EXPECT_EQ(bed.At(352 + 96, 416), FrameTileIndex(TileFloor));
  EXPECT_EQ(bed.At(639, 479), FrameTileIndex(TileBottomRight));
}

TEST_F(WellDrawingTest, GaugeCountsTheOpponentsStoredRaises) {
  currentScene = SceneVersus;
  attackMeter[1] = 44;
  attackMeter[0] = 14;
  bed.ClearBack();
  DrawRaiseGauge(0);
  DrawRaiseGauge(1);
  EXPECT_EQ(bed.At(0, 448), CellIndex(48));
  EXPECT_EQ(bed.At(31, 416), CellIndex(48));
  EXPECT_EQ(bed.At(16, 415), ClearBackground);
  for (int y = 0; y < 480; ++y) ASSERT_EQ(bed.At(620, y), ClearBackground);
}

}  // namespace
