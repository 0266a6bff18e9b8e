// The game's icon as the generator draws and writes it.
#include <gtest/gtest.h>

#include "platform/png_file.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"
#include "tools/datagen/icon_art.h"

namespace {

TEST(Icons, FourOpaqueBlocksOfDifferentColoursOnATransparentGround) {
  for (int size : IconSizes) {
    const std::vector<uint8_t> rgba = RenderIcon(size);
    ASSERT_EQ(rgba.size(), static_cast<size_t>(size) * size * 4);
    auto pixel = [&](int x, int y) { return &rgba[(static_cast<size_t>(y) * size + x) * 4]; };
    EXPECT_EQ(pixel(0, 0)[3], 0) << size;  // the corner lies outside the round gem
    const int q = size / 4, h = size * 3 / 4;
    std::vector<std::vector<uint8_t>> centres;
    for (auto [x, y] : {std::pair{q, q}, {h, q}, {q, h}, {h, h}}) {
      EXPECT_EQ(pixel(x, y)[3], 255) << size << " at " << x << "," << y;
      centres.emplace_back(pixel(x, y), pixel(x, y) + 3);
    }
    for (size_t a = 0; a < centres.size(); ++a)
      for (size_t b = a + 1; b < centres.size(); ++b) EXPECT_NE(centres[a], centres[b]) << size;
  }
}

TEST(Icons, EverySizeIsWrittenWhereTheIconThemeExpectsIt) {
  e2e::ScratchFolder scratch;
  ASSERT_TRUE(WriteIcons(scratch.Path()));
  for (size_t i = 0; i < std::size(IconSizes); ++i) {
    platform::PngPicture picture;
    ASSERT_TRUE(platform::ReadPng((scratch.Path() / IconFileNames[i]).string(), picture)) << IconFileNames[i];
    EXPECT_EQ(picture.width, IconSizes[i]);
    EXPECT_EQ(picture.height, IconSizes[i]);
    EXPECT_EQ(picture.rgba, RenderIcon(IconSizes[i]));
  }
}

}  // namespace
