#include "tools/png/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

uint32_t BigEndian(const std::vector<uint8_t>& b, size_t at) {
  return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) | b[at + 3];
}

struct Chunk {
  std::string type;
  std::vector<uint8_t> data;
};

// Splits a PNG into its chunks, checking every CRC on the way.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& png) {
  std::vector<Chunk> chunks;
  size_t at = 8;
  while (at + 12 <= png.size()) {
    const uint32_t length = BigEndian(png, at);
    Chunk c{std::string(png.begin() + at + 4, png.begin() + at + 8),
            std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)};
    EXPECT_EQ(BigEndian(png, at + 8 + length), png::Crc32(png.data() + at + 4, length + 4)) << c.type;
    chunks.push_back(c);
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  return chunks;
}

// Undoes a zlib stream of stored blocks, counting the blocks.
std::vector<uint8_t> Unstore(const std::vector<uint8_t>& z, int& blocks) {
  std::vector<uint8_t> raw;
  EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0);
  size_t at = 2;
  blocks = 0;
  bool last = false;
  while (!last) {
    last = z[at] & 1;
    EXPECT_EQ(z[at] & 6, 0);  // stored
    const uint16_t len = z[at + 1] | (z[at + 2] << 8), nlen = z[at + 3] | (z[at + 4] << 8);
    EXPECT_EQ(static_cast<uint16_t>(~nlen), len);
    raw.insert(raw.end(), z.begin() + at + 5, z.begin() + at + 5 + len);
    at += 5 + len;
    ++blocks;
  }
  EXPECT_EQ(BigEndian(z, at), png::Adler32(raw.data(), raw.size()));
  EXPECT_EQ(at + 4, z.size());
  return raw;
}

TEST(PngChecksums, MatchKnownValues) {
  const char* text = "Wikipedia";
  EXPECT_EQ(png::Adler32(reinterpret_cast<const uint8_t*>(text), 9), 0x11E60398u);
  EXPECT_EQ(png::Crc32(reinterpret_cast<const uint8_t*>("IEND"), 4), 0xAE426082u);
  EXPECT_EQ(png::Crc32(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
}

TEST(PngEncode, RgbImageRoundTripsThroughItsChunks) {
  const std::vector<uint8_t> pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 8, 7};  // 2 x 2
  const std::vector<uint8_t> png = png::Encode(pixels, 2, 2, png::PixelFormat::Rgb);
  ASSERT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  const std::vector<Chunk> chunks = Chunks(png);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(BigEndian(chunks[0].data, 0), 2u);
  EXPECT_EQ(BigEndian(chunks[0].data, 4), 2u);
  EXPECT_EQ(chunks[0].data[8], 8);  // bit depth
  EXPECT_EQ(chunks[0].data[9], 2);  // truecolour
  EXPECT_EQ(chunks[1].type, "IDAT");
  EXPECT_EQ(chunks[2].type, "IEND");
  int blocks = 0;
  const std::vector<uint8_t> raw = Unstore(chunks[1].data, blocks);
  const std::vector<uint8_t> expected = {0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 9, 8, 7};
  EXPECT_EQ(raw, expected);
}

TEST(PngEncode, LargeImagesSpanSeveralStoredBlocks) {
  const int width = 300, height = 200;
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7);
  const std::vector<Chunk> chunks = Chunks(png::Encode(pixels, width, height, png::PixelFormat::Rgba));
  EXPECT_EQ(chunks[0].data[9], 6);  // truecolour with alpha
  int blocks = 0;
  const std::vector<uint8_t> raw = Unstore(chunks[1].data, blocks);
  EXPECT_EQ(blocks, 4);  // 200 rows of 1201 bytes
  ASSERT_EQ(raw.size(), static_cast<size_t>(height) * (width * 4 + 1));
  EXPECT_EQ(raw[0], 0);
  EXPECT_EQ(raw[1 + 5], pixels[5]);
  EXPECT_EQ(raw.back(), pixels.back());
}

TEST(PngWrite, RefusesPixelsThatDoNotMatchTheSize) {
  EXPECT_FALSE(png::WriteFile("unused.png", std::vector<uint8_t>(11), 2, 2, png::PixelFormat::Rgb));
}

}  // namespace
