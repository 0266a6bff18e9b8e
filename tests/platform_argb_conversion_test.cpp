// Turning index pictures into screen pixels: the whole picture, and only
// what changed since the picture shown before.
#include <gtest/gtest.h>

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

// A picture of 21 x 9 (runs of eight do not fill a row) in rows 24 bytes
// apart, converted into rows 25 pixels apart; the next picture changes a few
// scattered pixels, a whole row and the last pixel of a row.
class ChangedPixels : public testing::Test {
 protected:
  static constexpr int Width = 21, Height = 9, IndexPitch = 24, ArgbPitch = 25;

  void SetUp() override {
    std::mt19937 random(5);
    before.resize(IndexPitch * Height);
    for (uint8_t& index : before) index = static_cast<uint8_t>(random());
    after = before;
    for (const auto& [x, y] : {std::pair{3, 1}, {9, 1}, {20, 4}, {0, 8}, {16, 8}}) ++after[y * IndexPitch + x];
    for (int x = 0; x < Width; ++x) after[6 * IndexPitch + x] ^= 0x55;
    for (int y = 0; y < Height; ++y) {
      shown.insert(shown.end(), &before[y * IndexPitch], &before[y * IndexPitch] + Width);
    }
    PaletteEntry palette[256] = {};
    for (int i = 0; i < 256; ++i) palette[i] = PaletteEntry{static_cast<uint8_t>(i), static_cast<uint8_t>(i / 2), 7, 0};
    table = platform::MakeArgbTable(palette);
  }

  std::vector<uint8_t> Compact(const std::vector<uint8_t>& picture) const {
    std::vector<uint8_t> rows;
    for (int y = 0; y < Height; ++y) rows.insert(rows.end(), &picture[y * IndexPitch], &picture[y * IndexPitch] + Width);
    return rows;
  }

  std::vector<uint32_t> Converted(const std::vector<uint8_t>& picture, const ArgbTable& colours) const {
    std::vector<uint32_t> argb(ArgbPitch * Height, 0);
    platform::ConvertToArgb(picture.data(), Width, Height, IndexPitch, colours, argb.data(), ArgbPitch * 4);
    return argb;
  }

  std::vector<uint8_t> before, after, shown;
  ArgbTable table{};
};

TEST_F(ChangedPixels, TakingTheChangedRowsCopiesThemAndTellsTheirBand) {
  const platform::RowBand band = platform::TakeChangedRows(after.data(), Width, Height, IndexPitch, shown.data());
  EXPECT_EQ(band.first, 1);
  EXPECT_EQ(band.end, 9);
  EXPECT_EQ(shown, Compact(after));
  EXPECT_TRUE(platform::TakeChangedRows(after.data(), Width, Height, IndexPitch, shown.data()).Empty());
  after[2 * IndexPitch + Width] = 1;  // past the end of a row: not part of the picture
  EXPECT_TRUE(platform::TakeChangedRows(after.data(), Width, Height, IndexPitch, shown.data()).Empty());
}

// The screen first holds the old picture in other colours: every run of
// eight with a change (and every changed pixel of a row's short end) takes
// the new colours, and everything else keeps the old ones.
TEST_F(ChangedPixels, OnlyTheRunsThatChangedAreConvertedAgain) {
  ArgbTable oldColours = table;
  for (uint32_t& colour : oldColours) colour ^= 0x00FFFFFF;
  std::vector<uint32_t> screen = Converted(before, oldColours);
  platform::ConvertChangedToArgb(after.data(), Width, Height, IndexPitch, shown.data(), table, screen.data(),
                                 ArgbPitch * 4);
  EXPECT_EQ(shown, Compact(after));

  const std::vector<uint32_t> fresh = Converted(after, table);
  const std::vector<uint32_t> stale = Converted(before, oldColours);
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const int runStart = x < 16 ? x / 8 * 8 : x;
      const int runEnd = x < 16 ? runStart + 8 : x + 1;
      bool changed = false;
      for (int i = runStart; i < runEnd; ++i) changed |= before[y * IndexPitch + i] != after[y * IndexPitch + i];
      const int at = y * ArgbPitch + x;
      EXPECT_EQ(screen[at], changed ? fresh[at] : stale[at]) << x << ", " << y;
    }
  }
  for (int y = 0; y < Height; ++y) {
    for (int x = Width; x < ArgbPitch; ++x) EXPECT_EQ(screen[y * ArgbPitch + x], 0u) << "beside the picture";
  }
}

TEST_F(ChangedPixels, AScreenHoldingTheShownPictureEndsAsTheNewPictureConverted) {
  std::vector<uint32_t> screen = Converted(before, table);
  platform::ConvertChangedToArgb(after.data(), Width, Height, IndexPitch, shown.data(), table, screen.data(),
                                 ArgbPitch * 4);
  EXPECT_EQ(screen, Converted(after, table));
  const std::vector<uint32_t> settled = screen;
  platform::ConvertChangedToArgb(after.data(), Width, Height, IndexPitch, shown.data(), table, screen.data(),
                                 ArgbPitch * 4);
  EXPECT_EQ(screen, settled);
}

}  // namespace
