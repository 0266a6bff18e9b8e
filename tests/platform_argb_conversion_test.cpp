// Turning index pictures into screen pixels: the whole picture, and only
// what changed since the picture shown before.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "platform/argb_conversion.h"

namespace {

using platform::ArgbTable;
using platform::PaletteEntry;

TEST(ArgbConversion, EachIndexTakesItsPaletteColourAndPitchesAreHonoured) {
  PaletteEntry palette[256] = {};
  palette[12] = PaletteEntry{200, 100, 0, 5};
  palette[255] = PaletteEntry{1, 2, 3, 0};
  const ArgbTable table = platform::MakeArgbTable(palette);
  EXPECT_EQ(table[12], 0xFFC86400u);
  EXPECT_EQ(table[255], 0xFF010203u);
  EXPECT_EQ(table[0], 0xFF000000u);

  const uint8_t indices[2 * 4] = {12, 255, 99, 99, 0, 12, 99, 99};  // 2 x 2 picture, rows 4 bytes apart
  std::vector<uint32_t> argb(2 * 3, 0xDEADBEEF);                    // rows 3 pixels apart
  platform::ConvertToArgb(indices, 2, 2, 4, table, argb.data(), 3 * sizeof(uint32_t));
  EXPECT_EQ(argb, (std::vector<uint32_t>{0xFFC86400u, 0xFF010203u, 0xDEADBEEF, 0xFF000000u, 0xFFC86400u, 0xDEADBEEF}));
}

// A picture of 37 x 9 (two runs of sixteen and five pixels over in a row) in
// rows 40 bytes apart; the next picture changes a few scattered pixels, a
// whole row and some of the pixels over. The screen's rows are 41 pixels
// apart (not aligned, as a window's rows may be) or 48 (aligned, so that
// runs may be streamed past the cache).
class ChangedPixels : public testing::TestWithParam<int> {
 protected:
  static constexpr int Width = 37, Height = 9, IndexPitch = 40;
  const int argbPitch = GetParam();

  void SetUp() override {
    std::mt19937 random(5);
    before.resize(IndexPitch * Height);
    for (uint8_t& index : before) index = static_cast<uint8_t>(random());
    after = before;
    for (const auto& [x, y] : {std::pair{3, 1}, {9, 1}, {20, 4}, {36, 4}, {0, 8}, {33, 8}}) ++after[y * IndexPitch + x];
    for (int x = 0; x < Width; ++x) after[6 * IndexPitch + x] ^= 0x55;
    shown = Compact(before);
    PaletteEntry palette[256] = {};
    for (int i = 0; i < 256; ++i) palette[i] = PaletteEntry{static_cast<uint8_t>(i), static_cast<uint8_t>(i / 2), 7, 0};
    table = platform::MakeArgbTable(palette);
  }

  std::vector<uint8_t> Compact(const std::vector<uint8_t>& picture) const {
    std::vector<uint8_t> rows;
    for (int y = 0; y < Height; ++y) rows.insert(rows.end(), &picture[y * IndexPitch], &picture[y * IndexPitch] + Width);
    return rows;
  }

  // A screen whose first pixel lies on a 64-byte boundary; moved, never copied.
  struct Screen {
    explicit Screen(int pixels) : storage(pixels + 16, 0), size(pixels) {
      void* start = storage.data();
      size_t room = storage.size() * sizeof(uint32_t);
      pixel = static_cast<uint32_t*>(std::align(64, pixels * sizeof(uint32_t), start, room));
    }
    Screen(Screen&&) = default;
    std::vector<uint32_t> Pixels() const { return std::vector<uint32_t>(pixel, pixel + size); }
    std::vector<uint32_t> storage;
    int size;
    uint32_t* pixel;
  };

  Screen Converted(const std::vector<uint8_t>& picture, const ArgbTable& colours) const {
    Screen screen(argbPitch * Height);
    platform::ConvertToArgb(picture.data(), Width, Height, IndexPitch, colours, screen.pixel, argbPitch * 4);
    return screen;
  }

  void ConvertChanged(Screen& screen) {
    platform::ConvertChangedToArgb(after.data(), Width, Height, IndexPitch, shown.data(), table, screen.pixel,
                                   argbPitch * 4);
  }

  std::vector<uint8_t> before, after, shown;
  ArgbTable table{};
};

TEST_P(ChangedPixels, TakingTheChangedRowsCopiesThemAndTellsTheirBand) {
  const platform::RowBand band = platform::TakeChangedRows(after.data(), Width, Height, IndexPitch, shown.data());
  EXPECT_EQ(band.first, 1);
  EXPECT_EQ(band.end, 9);
  EXPECT_EQ(shown, Compact(after));
  EXPECT_TRUE(platform::TakeChangedRows(after.data(), Width, Height, IndexPitch, shown.data()).Empty());
  after[2 * IndexPitch + Width] = 1;  // past the end of a row: not part of the picture
  EXPECT_TRUE(platform::TakeChangedRows(after.data(), Width, Height, IndexPitch, shown.data()).Empty());
}

// The screen first holds the old picture in other colours: every run of
// sixteen with a change, and every changed pixel over, takes the new colours;
// everything else keeps the old ones.
TEST_P(ChangedPixels, OnlyTheRunsThatChangedAreConvertedAgain) {
  ArgbTable oldColours = table;
  for (uint32_t& colour : oldColours) colour ^= 0x00FFFFFF;
  Screen screen = Converted(before, oldColours);
  ConvertChanged(screen);
  EXPECT_EQ(shown, Compact(after));

  const std::vector<uint32_t> fresh = Converted(after, table).Pixels();
  const std::vector<uint32_t> stale = Converted(before, oldColours).Pixels();
  const std::vector<uint32_t> pixels = screen.Pixels();
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const int runStart = x < 32 ? x / 16 * 16 : x;
      const int runEnd = x < 32 ? runStart + 16 : x + 1;
      bool changed = false;
      for (int i = runStart; i < runEnd; ++i) changed |= before[y * IndexPitch + i] != after[y * IndexPitch + i];
      const int at = y * argbPitch + x;
      EXPECT_EQ(pixels[at], changed ? fresh[at] : stale[at]) << x << ", " << y;
    }
    for (int x = Width; x < argbPitch; ++x) EXPECT_EQ(pixels[y * argbPitch + x], 0u) << "beside the picture";
  }
}

TEST_P(ChangedPixels, AScreenHoldingTheShownPictureEndsAsTheNewPictureConverted) {
  Screen screen = Converted(before, table);
  ConvertChanged(screen);
  EXPECT_EQ(screen.Pixels(), Converted(after, table).Pixels());
  ConvertChanged(screen);
  EXPECT_EQ(screen.Pixels(), Converted(after, table).Pixels());
}

INSTANTIATE_TEST_SUITE_P(RowPitches, ChangedPixels, testing::Values(41, 48));

}  // namespace
