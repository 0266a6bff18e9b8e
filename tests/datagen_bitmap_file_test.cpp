// The generated files as the game itself reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/bitmap_file.h"
#include "shell/file_names.h"
#include "tools/datagen/contact_sheet.h"
#include "tools/datagen/pictures.h"
#include "tools/datagen/sprite_catalogue.h"

namespace {

class WrittenPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = std::filesystem::temp_directory_path() / ("kerzonk_pictures_" + std::to_string(::getpid()));
    written = WritePictures(folder);
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(folder); }

  static std::string PathOf(int picture) { return (folder / "").string() + PictureFileNames[picture]; }

  static inline std::filesystem::path folder;
  static inline bool written = false;
};

TEST_F(WrittenPictures, TheGamesLoaderReadsEveryIndexAndTheColourTable) {
  ASSERT_TRUE(written);
  const GeneratedPictures expected = MakePictures();
  for (int i = 0; i < PictureCount; ++i) {
    platform::IndexedBitmap bitmap;
    ASSERT_TRUE(platform::ReadIndexedBitmap(PathOf(i), bitmap)) << PathOf(i);
    EXPECT_EQ(bitmap.width, expected.pictures[i].width);
    EXPECT_EQ(bitmap.height, expected.pictures[i].height);
    EXPECT_EQ(bitmap.pixels, expected.pictures[i].pixels) << "picture " << i;
    for (int c = 0; c < 256; ++c) {
      EXPECT_EQ(bitmap.colours[c].red, expected.palette[c].r);
      EXPECT_EQ(bitmap.colours[c].green, expected.palette[c].g);
      EXPECT_EQ(bitmap.colours[c].blue, expected.palette[c].b);
    }
  }
}

TEST_F(WrittenPictures, AContactSheetOfEachPictureLiesBesideThem) {
  ASSERT_TRUE(written);
  for (int i = 0; i < PictureCount; ++i) {
    std::ifstream sheet(folder / "contact" / ("game_" + std::to_string(i) + ".png"), std::ios::binary);
    char signature[8] = {};
    ASSERT_TRUE(sheet.read(signature, 8)) << "sheet " << i;
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
  }
}

TEST(ContactSheet, MagnifiesShowsTheKeyAsACheckerboardAndOutlinesSprites) {
  const GeneratedPictures generated = MakePictures();
  const IndexedPicture& picture = generated.pictures[2];
  const Rect tile{98, 1, 226, 121};
  const std::vector<uint8_t> rgb = RenderContactSheet(picture, generated.palette, {tile});
  const int width = picture.width * ContactScale;
  ASSERT_EQ(rgb.size(), static_cast<size_t>(width) * picture.height * ContactScale * 3);
  auto pixel = [&](int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; };
  const PaletteColour inside = generated.palette[picture.At(150, 60)];
  EXPECT_EQ(pixel(300, 120)[0], inside.r);
  EXPECT_EQ(pixel(301, 121)[1], inside.g);
  EXPECT_EQ(pixel(2 * tile.left - 1, 50)[1], 255);    // the outline, left of the tile
  EXPECT_NE(pixel(1200, 800)[0], pixel(1208, 800)[0]);  // a key area shows alternating checks
}

}  // namespace
