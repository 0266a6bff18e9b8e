// PNG files written and read through libpng, checked against each other and
// against ImageMagick's reading of them.
#include <gtest/gtest.h>

#include "platform/png_file.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Gradient(int width, int height, int channels) {
  std::vector<uint8_t> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < channels; ++c) pixels.push_back(static_cast<uint8_t>(x * 7 + y * 13 + c * 61));
  return pixels;
}

class PngFile : public testing::Test {
 protected:
  std::string PathOf(const char* name) const { return (scratch_.Path() / name).string(); }
  e2e::ScratchFolder scratch_;
};

TEST_F(PngFile, RgbAndRgbaPicturesReadBackAsTheSameRgbaPixels) {
  const int width = 37, height = 11;
  const std::vector<uint8_t> rgb = Gradient(width, height, 3), rgba = Gradient(width, height, 4);
  ASSERT_TRUE(platform::WritePng(PathOf("rgb.png"), rgb, width, height, platform::PngFormat::Rgb));
  ASSERT_TRUE(platform::WritePng(PathOf("rgba.png"), rgba, width, height, platform::PngFormat::Rgba));

  platform::PngPicture picture;
  ASSERT_TRUE(platform::ReadPng(PathOf("rgb.png"), picture));
  ASSERT_EQ(picture.width, width);
  ASSERT_EQ(picture.height, height);
  for (size_t i = 0; i < rgb.size() / 3; ++i) {
    ASSERT_EQ(picture.rgba[4 * i], rgb[3 * i]) << i;
    ASSERT_EQ(picture.rgba[4 * i + 1], rgb[3 * i + 1]) << i;
    ASSERT_EQ(picture.rgba[4 * i + 2], rgb[3 * i + 2]) << i;
    ASSERT_EQ(picture.rgba[4 * i + 3], 255) << i;
  }
  ASSERT_TRUE(platform::ReadPng(PathOf("rgba.png"), picture));
  EXPECT_EQ(picture.rgba, rgba);
}

TEST_F(PngFile, ImageMagickReadsTheSamePixels) {
  const std::string convert = e2e::FindProgram("convert");
  if (convert.empty()) GTEST_SKIP() << "ImageMagick is not installed";
  const std::vector<uint8_t> rgb = Gradient(64, 48, 3);
  ASSERT_TRUE(platform::WritePng(PathOf("shot.png"), rgb, 64, 48, platform::PngFormat::Rgb));
  ASSERT_EQ(e2e::Run({convert, PathOf("shot.png"), "-depth", "8", "rgb:" + PathOf("shot.rgb")}, {},
                     scratch_.Path(), scratch_.Path() / "convert"),
            0);
  const std::string decoded = e2e::ReadFile(PathOf("shot.rgb"));
  EXPECT_EQ(std::vector<uint8_t>(decoded.begin(), decoded.end()), rgb);
}

TEST_F(PngFile, BadSizesAndUnwritablePathsAreRefused) {
  EXPECT_FALSE(platform::WritePng(PathOf("short.png"), std::vector<uint8_t>(11), 2, 2, platform::PngFormat::Rgb));
  EXPECT_FALSE(platform::WritePng(PathOf("empty.png"), {}, 0, 0, platform::PngFormat::Rgb));
  EXPECT_FALSE(platform::WritePng(PathOf("no/such/folder.png"), Gradient(2, 2, 3), 2, 2, platform::PngFormat::Rgb));
}

TEST_F(PngFile, MissingDamagedTruncatedAndOversizedFilesReadAsNothing) {
  platform::PngPicture picture;
  EXPECT_FALSE(platform::ReadPng(PathOf("missing.png"), picture));

  ASSERT_TRUE(platform::WritePng(PathOf("whole.png"), Gradient(40, 40, 3), 40, 40, platform::PngFormat::Rgb));
  const std::string whole = e2e::ReadFile(PathOf("whole.png"));
  e2e::WriteFile(PathOf("truncated.png"), whole.substr(0, whole.size() / 2));
  EXPECT_FALSE(platform::ReadPng(PathOf("truncated.png"), picture));
  std::string damaged = whole;
  for (size_t i = 60; i < damaged.size() - 20; i += 7) damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
  e2e::WriteFile(PathOf("damaged.png"), damaged);
  EXPECT_FALSE(platform::ReadPng(PathOf("damaged.png"), picture));
  e2e::WriteFile(PathOf("text.png"), "not a picture at all");
  EXPECT_FALSE(platform::ReadPng(PathOf("text.png"), picture));

  const int wide = platform::PngMaxSide + 1;
  ASSERT_TRUE(platform::WritePng(PathOf("wide.png"), std::vector<uint8_t>(wide * 3), wide, 1, platform::PngFormat::Rgb));
  EXPECT_FALSE(platform::ReadPng(PathOf("wide.png"), picture));
  EXPECT_TRUE(picture.rgba.empty());
}

}  // namespace
