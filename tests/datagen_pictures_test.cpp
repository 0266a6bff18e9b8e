#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "screens/sprite_layout.h"
#include "tools/datagen/bmp_writer.h"
#include "tools/datagen/pictures.h"
#include "tools/datagen/sprite_catalogue.h"

namespace {

const GeneratedPictures& Generated() {
  static const GeneratedPictures pictures = MakePictures();
  return pictures;
}

double Luminance(const PaletteColour& c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; }

double LuminanceAt(int picture, int x, int y) {
  const GeneratedPictures& g = Generated();
  return Luminance(g.palette[g.pictures[picture].At(x, y)]);
}

bool IsKey(int picture, int x, int y) { return Generated().pictures[picture].At(x, y) == KeyIndex; }

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t v;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

TEST(PictureFiles, GenerationIsDeterministic) {
  const GeneratedPictures again = MakePictures();
  for (int i = 0; i < PictureCount; ++i) {
    EXPECT_EQ(EncodeBitmap(again.pictures[i], again.palette),
              EncodeBitmap(Generated().pictures[i], Generated().palette))
        << "picture " << i;
  }
}

TEST(PictureFiles, AreBottomUpEightBitBitmapsWithTheSharedColourTable) {
  const int minimumWidth[3] = {640, 640, 226}, exactHeight[3] = {805, 480, 480};
  std::vector<uint8_t> firstTable;
  for (int i = 0; i < PictureCount; ++i) {
    const std::vector<uint8_t> file = EncodeBitmap(Generated().pictures[i], Generated().palette);
    ASSERT_EQ(file[0], 'B');
    ASSERT_EQ(file[1], 'M');
    EXPECT_EQ(Read32(file, 2), file.size());
    EXPECT_EQ(Read32(file, 14), 40u);                                  // BITMAPINFOHEADER
    EXPECT_GE(static_cast<int>(Read32(file, 18)), minimumWidth[i]);
    EXPECT_EQ(static_cast<int32_t>(Read32(file, 22)), exactHeight[i]);  // positive: bottom-up
    EXPECT_EQ(file[28], 8);                                             // bits per pixel
    EXPECT_EQ(Read32(file, 30), 0u);                                    // uncompressed
    EXPECT_EQ(Read32(file, 46), 256u);
    EXPECT_EQ(Read32(file, 10), 14u + 40u + 1024u);
    const std::vector<uint8_t> table(file.begin() + 54, file.begin() + 54 + 1024);
    if (i == 0) firstTable = table;
    EXPECT_EQ(table, firstTable) << "picture " << i;
  }
}

TEST(PictureFiles, BottomRowComesFirstInTheFile) {
  const IndexedPicture& p = Generated().pictures[1];
  const std::vector<uint8_t> file = EncodeBitmap(p, Generated().palette);
  const size_t pixels = Read32(file, 10);
  EXPECT_TRUE(std::equal(p.pixels.end() - p.width, p.pixels.end(), file.begin() + pixels));
}

TEST(PictureFiles, KeyColourIsUsedForNothingElse) {
  const Palette& palette = Generated().palette;
  for (int i = 0; i < 256; ++i)
    if (i != KeyIndex) {
      EXPECT_NE(palette[i], palette[KeyIndex]) << "entry " << i;
    }
}

TEST(SpriteRectangles, LieInsideTheirPictureWithoutOverlapping) {
  for (int p = 0; p < PictureCount; ++p) {
    const std::vector<SpriteEntry> sprites = SpritesOf(p);
    for (size_t a = 0; a < sprites.size(); ++a) {
      const Rect& r = sprites[a].rect;
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= Generated().pictures[p].width &&
                  r.bottom <= Generated().pictures[p].height);
      for (size_t b = a + 1; b < sprites.size(); ++b) {
        const Rect& s = sprites[b].rect;
        const bool overlap = r.left < s.right && s.left < r.right && r.top < s.bottom && s.top < r.bottom;
        EXPECT_FALSE(overlap) << "picture " << p << " sprites " << a << " and " << b;
      }
    }
  }
}

TEST(SpriteRectangles, HoldTheirSpriteAndKeyWhereTransparencyIsExpected) {
  for (int p = 0; p < PictureCount; ++p) {
    for (const SpriteEntry& sprite : SpritesOf(p)) {
      const Rect& r = sprite.rect;
      int keys = 0, visible = 0;
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) (IsKey(p, x, y) ? keys : visible) += 1;
      SCOPED_TRACE(testing::Message() << "picture " << p << " rect " << r.left << "," << r.top);
      EXPECT_GT(visible, 0);
      if (sprite.fill == SpriteFill::Solid) {
        EXPECT_EQ(keys, 0);
      } else {
        EXPECT_GT(keys, 0);
      }
      if (sprite.fill == SpriteFill::Shape) {
        EXPECT_TRUE(IsKey(p, r.left, r.top) && IsKey(p, r.right - 1, r.top) && IsKey(p, r.left, r.bottom - 1) &&
                    IsKey(p, r.right - 1, r.bottom - 1));
      }
    }
  }
}

TEST(SpriteRectangles, EverythingOutsideThemIsKey) {
  for (int p = 0; p < PictureCount; ++p) {
    const IndexedPicture& picture = Generated().pictures[p];
    std::vector<bool> used(picture.pixels.size(), false);
    for (const SpriteEntry& sprite : SpritesOf(p))
      for (int y = sprite.rect.top; y < sprite.rect.bottom; ++y)
        for (int x = sprite.rect.left; x < sprite.rect.right; ++x) used[static_cast<size_t>(y) * picture.width + x] = true;
    int strays = 0;
    for (size_t i = 0; i < used.size(); ++i)
      if (!used[i] && picture.pixels[i] != KeyIndex) ++strays;
    EXPECT_EQ(strays, 0) << "picture " << p;
  }
}

// Pixels that differ between two sprites of picture 1, by index or, when
// byLightness, by a clearly visible step of lightness alone.
int Differences(const Rect& a, const Rect& b, bool byLightness) {
  int count = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const uint8_t ia = Generated().pictures[1].At(a.left + x, a.top + y);
      const uint8_t ib = Generated().pictures[1].At(b.left + x, b.top + y);
      if (!byLightness) {
        count += ia != ib;
      } else if (std::abs(Luminance(Generated().palette[ia]) - Luminance(Generated().palette[ib])) > 40) {
        ++count;
      }
    }
  }
  return count;
}

TEST(BlockSprites, TheTwelveKindsDifferPairwise) {
  for (int a = 0; a < 12; ++a)
    for (int b = a + 1; b < 12; ++b)
      EXPECT_GT(Differences(cellSpriteRects[4 * a], cellSpriteRects[4 * b], false), 300) << a << " vs " << b;
}

// Within a group only colour and mark tell the kinds apart; the marks alone
// must do it for players who cannot tell the colours apart.
TEST(BlockSprites, KindsOfAGroupDifferInLightnessAlone) {
  for (int group = 0; group < 3; ++group)
    for (int a = 0; a < 4; ++a)
      for (int b = a + 1; b < 4; ++b)
        EXPECT_GT(Differences(cellSpriteRects[16 * group + 4 * a], cellSpriteRects[16 * group + 4 * b], true), 20)
            << "group " << group << " kinds " << a << ", " << b;
}

// Every step of the four-frame cycle, the last back to the first included,
// changes the picture by a similar amount: the loop has no jump.
TEST(BlockSprites, AnimationLoopsWithoutAJump) {
  for (int first : {0, 16, 32, 48, 60}) {
    int smallest = 1 << 30, largest = 0;
    for (int f = 0; f < 4; ++f) {
      const int change = Differences(cellSpriteRects[first + f], cellSpriteRects[first + (f + 1) % 4], false);
      smallest = std::min(smallest, change);
      largest = std::max(largest, change);
    }
    EXPECT_GT(smallest, 0) << "sprite " << first;
    EXPECT_LE(largest, 2 * smallest + 40) << "sprite " << first;
  }
}

double MeanLuminance(int picture, const Rect& r) {
  double sum = 0;
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (!IsKey(picture, x, y)) sum += LuminanceAt(picture, x, y), ++n;
  return n ? sum / n : 0;
}

TEST(BlockSprites, StandOutAgainstTheWellInside) {
  const double inside = MeanLuminance(1, layout::frameTileRects[0]);
  EXPECT_LT(inside, 40);
  for (int n = 0; n < 64; ++n) EXPECT_GT(MeanLuminance(1, cellSpriteRects[n]), inside + 50) << "sprite " << n;
}

TEST(FlashSprites, BrightenToWhiteThenShrinkAway) {
  for (int n = 64; n < 69; ++n)
    EXPECT_LE(MeanLuminance(1, cellSpriteRects[n]), MeanLuminance(1, cellSpriteRects[n + 1]) + 1) << n;
  EXPECT_GT(MeanLuminance(1, cellSpriteRects[69]), 220);
  auto visible = [](int n) {
    int count = 0;
    const Rect r = cellSpriteRects[n];
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) count += !IsKey(1, x, y);
    return count;
  };
  for (int n = 70; n < 74; ++n) EXPECT_GT(visible(n), visible(n + 1)) << n;
}

// The title menu draws item s at (230, 260 / 305 / 375) and its cursor, 32
// pixels high, at y 295 + 60 s: the item's lettering is centred on it.
TEST(TitleMenu, ItemsLineUpWithTheCursorRows) {
  struct Item {
    int picture;
    Rect normal, highlighted;
    int screenY;
  };
  const Item items[3] = {{0, layout::Item0Normal, layout::Item0Highlighted, 260},
                         {1, layout::Item1Normal, layout::Item1Highlighted, 305},
                         {0, layout::Item2Normal, layout::Item2Highlighted, 375}};
  for (int s = 0; s < 3; ++s) {
    for (const Rect& r : {items[s].normal, items[s].highlighted}) {
      int top = r.bottom, bottom = r.top;
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
          if (!IsKey(items[s].picture, x, y)) top = std::min(top, y), bottom = std::max(bottom, y + 1);
      const double centre = items[s].screenY + (top + bottom) / 2.0 - r.top;
      EXPECT_NEAR(centre, 295 + 60 * s + 16, 5) << "item " << s;
    }
  }
}

// A tile that repeats seamlessly changes no more across its wrap-around edge
// than between neighbouring columns or rows inside it.
void ExpectSeamless(int picture, const Rect& tile) {
  const int w = tile.right - tile.left, h = tile.bottom - tile.top;
  auto step = [&](int x0, int y0, int x1, int y1) {
    return std::abs(LuminanceAt(picture, tile.left + x0, tile.top + y0) - LuminanceAt(picture, tile.left + x1, tile.top + y1));
  };
  double inside = 0, seam = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x + 1 < w; ++x) inside += step(x, y, x + 1, y) / (w - 1);
    seam += step(w - 1, y, 0, y);
  }
  EXPECT_LE(seam, 2 * inside + h) << "left and right edges";
  inside = seam = 0;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y + 1 < h; ++y) inside += step(x, y, x, y + 1) / (h - 1);
    seam += step(x, h - 1, x, 0);
  }
  EXPECT_LE(seam, 2 * inside + w) << "top and bottom edges";
}

TEST(Backdrop, BothTilesRepeatSeamlessly) {
  ExpectSeamless(2, layout::BackdropFixedTile);
  ExpectSeamless(1, layout::BackdropMovingTile);
}

TEST(Backdrop, StaysQuietBehindThePlay) {
  EXPECT_LT(MeanLuminance(2, layout::BackdropFixedTile), 60);
  EXPECT_LT(MeanLuminance(1, layout::BackdropMovingTile), 90);
}

}  // namespace
