#include <gtest/gtest.h>

#include "headless_game.h"
#include "video/display.h"
#include "video/picture.h"

namespace {

class Display : public HeadlessGame {
 protected:
  void Open() { ASSERT_EQ(InitDisplay(640, 480, 8), 1); }
};

TEST_F(Display, OpensWithTwoBuffersAndABlackPalette) {
  Open();
  ASSERT_NE(primarySurface, nullptr);
  ASSERT_NE(backBuffer, nullptr);
  EXPECT_NE(primarySurface, backBuffer);
  EXPECT_EQ(backBuffer->width, 640);
  EXPECT_EQ(backBuffer->height, 480);
  ASSERT_NE(palette, nullptr);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(palette[i].red + palette[i].green + palette[i].blue, 0);
  EXPECT_TRUE(headless.host.notices.empty());
}

TEST_F(Display, FlipShowsTheBackBufferAndExchangesTheBuffers) {
  Open();
  Surface* drawnInto = backBuffer;
  drawnInto->pixels[5] = 9;
  EXPECT_EQ(FlipScreen(), 1);
  EXPECT_EQ(primarySurface, drawnInto);
  EXPECT_NE(backBuffer, drawnInto);
  EXPECT_EQ(headless.display.shown[5], 9);
  EXPECT_EQ(headless.display.flips, 1);
  EXPECT_EQ(headless.display.paletteWrites, 0);
}

TEST_F(Display, PaletteWriteShowsTheFrontPictureAgainWithoutVsync) {
  Open();
  backBuffer->pixels[0] = 4;
  FlipScreen();
  platform::PaletteEntry entries[256] = {};
  entries[4] = platform::PaletteEntry{10, 20, 30, 5};
  SetPaletteEntries(entries);
  EXPECT_EQ(headless.display.paletteWrites, 1);
  EXPECT_EQ(headless.display.flips, 1);
  EXPECT_EQ(headless.display.shown[0], 4);
  EXPECT_EQ(headless.display.shownPalette[4].green, 20);
  platform::PaletteEntry read[256];
  GetPaletteEntries(read);
  EXPECT_EQ(read[4].blue, 30);
}

TEST_F(Display, RestoreBringsBackOnlyALostPrimary) {
  Open();
  RestorePrimary();
  EXPECT_FALSE(primarySurface->lost);
  primarySurface->lost = true;
  backBuffer->lost = true;
  RestorePrimary();
  EXPECT_FALSE(primarySurface->lost);
  EXPECT_FALSE(backBuffer->lost);
}

TEST_F(Display, SecondReleaseDoesNothing) {
  Open();
  pictureSurfaces[1] = new Surface(8, 8);
  ReleaseDisplay(PictureCount);
  EXPECT_FALSE(displayOpen);
  EXPECT_EQ(primarySurface, nullptr);
  EXPECT_EQ(backBuffer, nullptr);
  EXPECT_EQ(palette, nullptr);
  EXPECT_EQ(pictureSurfaces[1], nullptr);
  EXPECT_FALSE(headless.display.open);
  headless.display.open = true;
  ReleaseDisplay(PictureCount);
  EXPECT_TRUE(headless.display.open);
  EXPECT_EQ(FlipScreen(), 0);
}

}  // namespace
