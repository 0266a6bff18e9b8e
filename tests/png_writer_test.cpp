#include <gtest/gtest.h>

#include <cstring>

#include "tools/png/png_writer.h"

namespace {

uint32_t BigEndianAt(const std::vector<uint8_t>& bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) | (uint32_t{bytes[at + 2]} << 8) |
         bytes[at + 3];
}

TEST(PngChecksums, KnownValues) {
  const char* text = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(text), 9), 0xCBF43926u);
  const char* wiki = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(wiki), 9), 0x11E60398u);
}

TEST(PngEncoder, ChunksAndStoredBlocksAreWellFormed) {
  // 640 x 480 RGB is larger than one stored block, so the data spans several.
  const int width = 640, height = 480;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7);
  const std::vector<uint8_t> png = EncodePng(width, height, rgb);

  ASSERT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  EXPECT_EQ(BigEndianAt(png, 8), 13u);
  EXPECT_EQ(std::memcmp(&png[12], "IHDR", 4), 0);
  EXPECT_EQ(BigEndianAt(png, 16), 640u);
  EXPECT_EQ(BigEndianAt(png, 20), 480u);
  EXPECT_EQ(png[24], 8);  // bit depth
  EXPECT_EQ(png[25], 2);  // colour type RGB
  EXPECT_EQ(BigEndianAt(png, 29), Crc32(&png[12], 17));

  const size_t idat = 33;
  ASSERT_EQ(std::memcmp(&png[idat + 4], "IDAT", 4), 0);
  const uint32_t idatLength = BigEndianAt(png, idat);
  const uint8_t* z = &png[idat + 8];
  // Walk the stored blocks and rebuild the scanlines.
  std::vector<uint8_t> raw;
  size_t at = 2;
  bool last = false;
  while (!last) {
    last = z[at] & 1;
    const uint16_t length = static_cast<uint16_t>(z[at + 1] | z[at + 2] << 8);
    const uint16_t complement = static_cast<uint16_t>(z[at + 3] | z[at + 4] << 8);
    ASSERT_EQ(static_cast<uint16_t>(~length), complement);
    raw.insert(raw.end(), z + at + 5, z + at + 5 + length);
    at += 5 + length;
  }
  ASSERT_EQ(raw.size(), static_cast<size_t>(height) * (width * 3 + 1));
  EXPECT_EQ(raw[0], 0);
  EXPECT_EQ(raw[1 + 5], rgb[5]);
  EXPECT_EQ(raw[(width * 3 + 1) * 2 + 1], rgb[width * 3 * 2]);
  const std::vector<uint8_t> adler(z + at, z + at + 4);
  EXPECT_EQ(BigEndianAt(adler, 0), Adler32(raw.data(), raw.size()));
  EXPECT_EQ(at + 4, idatLength);
  EXPECT_EQ(BigEndianAt(png, idat + 8 + idatLength), Crc32(&png[idat + 4], idatLength + 4));
  EXPECT_EQ(std::memcmp(&png[png.size() - 8], "IEND", 4), 0);
}

}  // namespace
