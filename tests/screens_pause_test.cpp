// The paused picture: empty wells under a caption, and nothing moves on.
#include <gtest/gtest.h>

#include "rules_test_support.h"
#include "screens/pause_screen.h"
#include "screens_test_bed.h"

namespace {

using namespace testbed;

struct PausedPicture : testing::Test {
  // Every cell of both wells holds a block.
  void FillWells() {
    for (int player = 0; player < PlayerCount; ++player) {
      for (int row = 1; row < WellRows - 1; ++row) {
        for (int column = 1; column <= 7; ++column) well[player][row][column] = 8;
      }
      nextTop[player] = 12;
      nextBottom[player] = 16;
    }
  }
  int CountOf(uint8_t index) const {
    return static_cast<int>(std::count(bed.back.pixels.begin(), bed.back.pixels.end(), index));
  }
  ScreensTestBed bed;
};

TEST_F(PausedPicture, CaptionsHideEveryBlockAndNothingMovesOn) {
  const Rect& caption = layout::PauseCaption;
  const int captionArea = (caption.right - caption.left) * (caption.bottom - caption.top);
  for (uint8_t scene : {SceneSolo, SceneVersus}) {
    currentScene = scene;
    FillWells();
    bgScrollX = -5;
    blockAnimTick[0] = 7;
    bed.ClearBack();
    DrawPausedGame();
    for (int n = 0; n < layout::CellSpriteCount; ++n) EXPECT_EQ(CountOf(CellIndex(n)), 0) << "sprite " << n;
    const int wells = scene == SceneVersus ? 2 : 1;
    EXPECT_EQ(CountOf(PauseCaptionIndex), wells * captionArea);
    // Centred over the inside of each well (columns 1..7, rows above the floor).
    for (uint8_t player = 0; player < wells; ++player) {
      const int left = WellOriginX(player) + 32 + (224 - (caption.right - caption.left)) / 2;
      const int top = (448 - (caption.bottom - caption.top)) / 2;
      EXPECT_EQ(bed.At(left, top), PauseCaptionIndex);
      EXPECT_EQ(bed.At(left - 1, top), FrameTileIndex(0)) << "the empty well shows around the caption";
    }
    EXPECT_EQ(CountOf(scene == SceneVersus ? VersusPanelIndex : SoloPanelIndex), 64 * 480);
    EXPECT_EQ(bgScrollX, -5);
    EXPECT_EQ(blockAnimTick[0], 7);
  }
}

}  // namespace
