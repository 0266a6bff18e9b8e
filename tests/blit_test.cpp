#include <gtest/gtest.h>

#include "video/blit.h"

namespace {

Surface Filled(int w, int h, uint8_t value) {
  Surface s(w, h);
  std::fill(s.pixels.begin(), s.pixels.end(), value);
  s.colourKey = 12;
  return s;
}

TEST(ClipSprite, LeftEdgeMovesSourceRight) {
  int x = -10, y = 5;
  Rect src{360, 0, 488, 120};
  ClipSpriteToScreen(x, y, src);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(src, (Rect{370, 0, 488, 120}));
}

TEST(ClipSprite, RightEdgeCutsSource) {
  int x = 600, y = 0;
  Rect src{360, 0, 488, 120};
  ClipSpriteToScreen(x, y, src);
  EXPECT_EQ(src.right, 400);
}

TEST(ClipRect, WhollyAboveLeavesEmptySource) {
  Rect dst{0, -32, 32, 0};
  Rect src{0, 0, 32, 32};
  ClipRectToScreen(dst, src);
  EXPECT_EQ(dst.top, 0);
  EXPECT_EQ(dst.bottom, 0);
  EXPECT_EQ(src.top, src.bottom);
}

TEST(Copy, KeyedSkipsKeyPlainDrawsIt) {
  Surface dst = Filled(640, 480, 3);
  Surface src = Filled(8, 8, 12);
  EXPECT_EQ(CopyRect(dst, 0, 0, src, Rect{0, 0, 8, 8}, CopyKeyed), 1);
  EXPECT_EQ(dst.pixels[0], 3);
  EXPECT_EQ(CopyRect(dst, 0, 0, src, Rect{0, 0, 8, 8}, CopyPlain), 1);
  EXPECT_EQ(dst.pixels[0], 12);
}

TEST(Copy, DestinationOffScreenOrSourceOutsideDrawsNothing) {
  Surface dst = Filled(640, 480, 3);
  Surface src = Filled(8, 8, 7);
  EXPECT_EQ(CopyRect(dst, 636, 0, src, Rect{0, 0, 8, 8}, CopyPlain), 0);
  EXPECT_EQ(CopyRect(dst, 0, 0, src, Rect{4, 4, 12, 12}, CopyPlain), 0);
  EXPECT_EQ(CopyRect(dst, 0, 0, src, Rect{4, 4, 4, 8}, CopyPlain), 0);
  for (uint8_t p : dst.pixels) ASSERT_EQ(p, 3);
}

TEST(Copy, ScaledShrinksWithNearestSampling) {
  Surface dst = Filled(640, 480, 0);
  Surface src = Filled(4, 4, 5);
  src.pixels[0] = 9;
  EXPECT_EQ(CopyRectScaled(dst, Rect{10, 10, 12, 12}, src, Rect{0, 0, 4, 4}, ScaledKeyed), 1);
  EXPECT_EQ(dst.Row(10)[10], 9);
  EXPECT_EQ(dst.Row(11)[11], 5);
  EXPECT_EQ(dst.Row(12)[12], 0);
}

}  // namespace
