// The bitmap reader against files written by ImageMagick, checked with a
// small decoder of the plain uncompressed layout written here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/bitmap_file.h"

namespace {

constexpr int FixtureWidth = 37;  // odd, so every row carries padding
constexpr int FixtureHeight = 11;
constexpr int FixtureColours = 40;  // above 16, so the writer must use 8 bits per pixel

struct Rgb {
  uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb FixtureColour(int x, int y) {
  const int k = (x * 7 + y * 3) % FixtureColours;
  return Rgb{static_cast<uint8_t>(k * 6), static_cast<uint8_t>(255 - k * 5), static_cast<uint8_t>((k * 37) % 256)};
}

bool ConvertAvailable() { return std::system("command -v convert >/dev/null 2>&1") == 0; }

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

void PutU32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

// A bitmap with a 40-byte header; rows are given in file order, already padded.
std::vector<uint8_t> MakeBmp(uint16_t bitCount, int32_t width, int32_t height, const std::vector<uint8_t>& colourTable,
                             const std::vector<uint8_t>& rows, uint32_t compression = 0) {
  std::vector<uint8_t> b = {'B', 'M'};
  const uint32_t offset = 14 + 40 + static_cast<uint32_t>(colourTable.size());
  PutU32(b, offset + static_cast<uint32_t>(rows.size()));
  PutU32(b, 0);
  PutU32(b, offset);
  PutU32(b, 40);
  PutU32(b, static_cast<uint32_t>(width));
  PutU32(b, static_cast<uint32_t>(height));
  PutU16(b, 1);
  PutU16(b, bitCount);
  PutU32(b, compression);
  PutU32(b, static_cast<uint32_t>(rows.size()));
  PutU32(b, 2835);
  PutU32(b, 2835);
  PutU32(b, static_cast<uint32_t>(colourTable.size() / 4));
  PutU32(b, 0);
  b.insert(b.end(), colourTable.begin(), colourTable.end());
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

// The uncompressed bottom-up 8-bit layout, decoded by hand.
struct PlainBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> colourTable;   // blue, green, red, reserved per entry
  std::vector<uint8_t> fileRows;      // padded rows as stored, bottom row first
  std::vector<uint8_t> indices;       // top row first
};

PlainBitmap DecodePlain(const std::vector<uint8_t>& b) {
  PlainBitmap plain;
  const uint32_t pixelOffset = U32(b, 10);
  const uint32_t infoSize = U32(b, 14);
  plain.width = static_cast<int32_t>(U32(b, 18));
  plain.height = static_cast<int32_t>(U32(b, 22));
  plain.colourTable.assign(b.begin() + 14 + infoSize, b.begin() + pixelOffset);
  const int stride = (plain.width + 3) & ~3;
  plain.fileRows.assign(b.begin() + pixelOffset, b.begin() + pixelOffset + static_cast<size_t>(stride) * plain.height);
  for (int y = 0; y < plain.height; ++y) {
    const size_t row = pixelOffset + static_cast<size_t>(plain.height - 1 - y) * stride;
    plain.indices.insert(plain.indices.end(), b.begin() + row, b.begin() + row + plain.width);
  }
  return plain;
}

// Every file a test writes goes into a folder of its own, removed afterwards.
class BitmapFolder : public testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("kerzonk_bitmap_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    if (!folder.empty()) std::filesystem::remove_all(folder);
  }

  std::string TempPath(const std::string& name) const { return (folder / name).string(); }

  std::filesystem::path folder;
};

class BitmapFile : public BitmapFolder {
 protected:
  void SetUp() override {
    if (!ConvertAvailable()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    BitmapFolder::SetUp();
    source = TempPath("source.ppm");
    std::ofstream ppm(source, std::ios::binary);
    ppm << "P6\n" << FixtureWidth << ' ' << FixtureHeight << "\n255\n";
    for (int y = 0; y < FixtureHeight; ++y) {
      for (int x = 0; x < FixtureWidth; ++x) {
        const Rgb c = FixtureColour(x, y);
        ppm.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
      }
    }
  }

  std::string Convert(const std::string& options, const std::string& name) {
    const std::string target = TempPath(name);
    const std::string command = "convert " + source + " " + options + " BMP3:" + target + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return target;
  }

  std::string source;
};

TEST_F(BitmapFile, EightBitFileKeepsItsIndicesAndColourTable) {
  const std::string path = Convert("-type Palette -compress None", "plain.bmp");
  const std::vector<uint8_t> bytes = ReadBytes(path);
  ASSERT_EQ(U16(bytes, 28), 8) << "the fixture must be an 8-bit file";
  ASSERT_EQ(U32(bytes, 30), 0u) << "the fixture must be uncompressed";
  const PlainBitmap plain = DecodePlain(bytes);

  platform::IndexedBitmap bitmap;
  ASSERT_TRUE(platform::ReadIndexedBitmap(path, bitmap));
  EXPECT_EQ(bitmap.width, FixtureWidth);
  EXPECT_EQ(bitmap.height, FixtureHeight);
  EXPECT_EQ(bitmap.pixels, plain.indices);
  const size_t tableEntries = plain.colourTable.size() / 4;
  for (size_t i = 0; i < 256; ++i) {
    const platform::PaletteEntry& e = bitmap.colours[i];
    if (i < tableEntries) {
      EXPECT_EQ(e.red, plain.colourTable[i * 4 + 2]) << "entry " << i;
      EXPECT_EQ(e.green, plain.colourTable[i * 4 + 1]) << "entry " << i;
      EXPECT_EQ(e.blue, plain.colourTable[i * 4]) << "entry " << i;
    } else {
      EXPECT_EQ(e.red | e.green | e.blue, 0) << "missing entry " << i << " must be black";
    }
    EXPECT_EQ(e.flags, 0);
  }
  for (int y = 0; y < FixtureHeight; ++y) {
    for (int x = 0; x < FixtureWidth; ++x) {
      const platform::PaletteEntry& e = bitmap.colours[bitmap.pixels[static_cast<size_t>(y) * FixtureWidth + x]];
      ASSERT_EQ((Rgb{e.red, e.green, e.blue}), FixtureColour(x, y)) << "pixel " << x << "," << y;
    }
  }
}

TEST_F(BitmapFile, TopDownAndRunLengthFilesReadLikeThePlainOne) {
  const std::string plainPath = Convert("-type Palette -compress None", "reference.bmp");
  const PlainBitmap plain = DecodePlain(ReadBytes(plainPath));
  platform::IndexedBitmap reference;
  ASSERT_TRUE(platform::ReadIndexedBitmap(plainPath, reference));

  const int stride = (plain.width + 3) & ~3;
  std::vector<uint8_t> topDownRows;
  for (int y = plain.height - 1; y >= 0; --y) {
    const auto row = plain.fileRows.begin() + static_cast<ptrdiff_t>(y) * stride;
    topDownRows.insert(topDownRows.end(), row, row + stride);
  }
  const std::string topDownPath = TempPath("topdown.bmp");
  WriteBytes(topDownPath, MakeBmp(8, plain.width, -plain.height, plain.colourTable, topDownRows));
  platform::IndexedBitmap topDown;
  ASSERT_TRUE(platform::ReadIndexedBitmap(topDownPath, topDown));
  EXPECT_EQ(topDown.height, FixtureHeight);
  EXPECT_EQ(topDown.pixels, reference.pixels);

  const std::string rlePath = Convert("-type Palette -compress RLE", "rle.bmp");
  const std::vector<uint8_t> rleBytes = ReadBytes(rlePath);
  ASSERT_EQ(U16(rleBytes, 28), 8);
  ASSERT_EQ(U32(rleBytes, 30), 1u) << "the fixture must be RLE8";
  platform::IndexedBitmap rle;
  ASSERT_TRUE(platform::ReadIndexedBitmap(rlePath, rle));
  for (int y = 0; y < FixtureHeight; ++y) {
    for (int x = 0; x < FixtureWidth; ++x) {
      const platform::PaletteEntry& e = rle.colours[rle.pixels[static_cast<size_t>(y) * FixtureWidth + x]];
      ASSERT_EQ((Rgb{e.red, e.green, e.blue}), FixtureColour(x, y)) << "pixel " << x << "," << y;
    }
  }
}

TEST_F(BitmapFile, TrueColourFileIsRefused) {
  platform::IndexedBitmap bitmap;
  const std::string trueColour = Convert("-type TrueColor", "truecolour.bmp");
  ASSERT_EQ(U16(ReadBytes(trueColour), 28), 24);
  EXPECT_FALSE(platform::ReadIndexedBitmap(trueColour, bitmap));
}

TEST_F(BitmapFolder, FourBitMissingAndForeignFilesAreRefused) {
  platform::IndexedBitmap bitmap;
  // Four bits per pixel: SDL would widen it to 8, the reader must still refuse it.
  const std::vector<uint8_t> sixteenColours(16 * 4, 0x80);
  const std::vector<uint8_t> oneRow = {0x12, 0x30, 0x00, 0x00};
  const std::string fourBit = TempPath("fourbit.bmp");
  WriteBytes(fourBit, MakeBmp(4, 3, 1, sixteenColours, oneRow));
  EXPECT_FALSE(platform::ReadIndexedBitmap(fourBit, bitmap));

  EXPECT_FALSE(platform::ReadIndexedBitmap(TempPath("no_such_file.bmp"), bitmap));
  const std::string notABitmap = TempPath("not_a_bitmap.bmp");
  WriteBytes(notABitmap, std::vector<uint8_t>(64, 'x'));
  EXPECT_FALSE(platform::ReadIndexedBitmap(notABitmap, bitmap));
}

// Decoding from memory: the header is checked before anything is allocated.
std::vector<uint8_t> Greys(int entries) {
  std::vector<uint8_t> table;
  for (int i = 0; i < entries; ++i) table.insert(table.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
  return table;
}

bool Decode(const std::vector<uint8_t>& bytes, platform::IndexedBitmap& bitmap) {
  return platform::DecodeIndexedBitmap(bytes.data(), bytes.size(), bitmap);
}

TEST(BitmapBytes, SizesOutsideTheBoundsAreRefused) {
  platform::IndexedBitmap bitmap;
  const std::vector<uint8_t> row(4, 7);
  EXPECT_TRUE(Decode(MakeBmp(8, 4096, 1, Greys(256), std::vector<uint8_t>(4096, 1)), bitmap));
  EXPECT_FALSE(Decode(MakeBmp(8, 4097, 1, Greys(256), std::vector<uint8_t>(4100, 1)), bitmap));
  EXPECT_FALSE(Decode(MakeBmp(8, 4, 4097, Greys(256), row), bitmap));
  EXPECT_FALSE(Decode(MakeBmp(8, 4, INT32_MIN, Greys(256), row), bitmap));
  EXPECT_FALSE(Decode(MakeBmp(8, 0, 1, Greys(256), row), bitmap));
  EXPECT_FALSE(Decode(MakeBmp(8, -4, 1, Greys(256), row), bitmap));
  // Run-length encoded: the declared size is refused before any run is read.
  EXPECT_FALSE(Decode(MakeBmp(8, 65535, 65535, Greys(1), {5, 0, 0, 1}, 1), bitmap));
  // A header cut short, with a picture of 2 x 771,751,938 pixels in it.
  std::vector<uint8_t> cut = MakeBmp(8, 2, 771751938, {}, {});
  cut.resize(40);
  EXPECT_FALSE(Decode(cut, bitmap));
}

TEST(BitmapBytes, ColourTableAndPixelsMustLieInsideTheFile) {
  platform::IndexedBitmap bitmap;
  const std::vector<uint8_t> rows = {1, 2, 3, 0, 4, 5, 6, 0};
  std::vector<uint8_t> bytes = MakeBmp(8, 3, 2, Greys(3), rows);
  ASSERT_TRUE(Decode(bytes, bitmap));
  EXPECT_EQ(bitmap.pixels, (std::vector<uint8_t>{4, 5, 6, 1, 2, 3}));
  EXPECT_EQ(bitmap.colours[2].green, 2);
  EXPECT_EQ(bitmap.colours[3].green, 0) << "entries past the table are black";
  bytes.pop_back();  // the last row's padding
  EXPECT_FALSE(Decode(bytes, bitmap));
  // 256 entries stated (as 0), 3 present.
  std::vector<uint8_t> shortTable = MakeBmp(8, 3, 2, Greys(3), {});
  shortTable[46] = 0;
  EXPECT_FALSE(Decode(shortTable, bitmap));
}

TEST(BitmapBytes, OldOs2HeaderWithThreeByteColours) {
  std::vector<uint8_t> b = {'B', 'M'};
  PutU32(b, 14 + 12 + 768 + 8);
  PutU32(b, 0);
  PutU32(b, 14 + 12 + 768);
  PutU32(b, 12);
  PutU16(b, 3);
  PutU16(b, 2);
  PutU16(b, 1);
  PutU16(b, 8);
  for (int i = 0; i < 256; ++i) b.insert(b.end(), {uint8_t(i), uint8_t(i / 2), uint8_t(255 - i)});
  b.insert(b.end(), {1, 2, 3, 0, 4, 5, 6, 0});
  platform::IndexedBitmap bitmap;
  ASSERT_TRUE(Decode(b, bitmap));
  EXPECT_EQ(bitmap.width, 3);
  EXPECT_EQ(bitmap.pixels, (std::vector<uint8_t>{4, 5, 6, 1, 2, 3}));
  EXPECT_EQ(bitmap.colours[10].red, 245);
  EXPECT_EQ(bitmap.colours[10].green, 5);
  EXPECT_EQ(bitmap.colours[10].blue, 10);
}

TEST(BitmapBytes, RunLengthRowsAreDrawnBottomUpAndClippedToThePicture) {
  // Bottom row: a run of 3 and an absolute run of 3 with its pad byte; a row
  // end; a skip one right and one up; a run of 9 that only fits in part.
  const std::vector<uint8_t> runs = {3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 9, 4, 0, 1};
  platform::IndexedBitmap bitmap;
  ASSERT_TRUE(Decode(MakeBmp(8, 6, 3, Greys(256), runs, 1), bitmap));
  EXPECT_EQ(bitmap.pixels, (std::vector<uint8_t>{0, 4, 4, 4, 4, 4,  //
                                                 0, 0, 0, 0, 0, 0,  //
                                                 7, 7, 7, 1, 2, 3}));
  // Without the end mark, or with an absolute run cut short, the file is refused.
  EXPECT_FALSE(Decode(MakeBmp(8, 6, 3, Greys(256), std::vector<uint8_t>(runs.begin(), runs.end() - 2), 1), bitmap));
  EXPECT_FALSE(Decode(MakeBmp(8, 6, 3, Greys(256), {0, 5, 1, 2}, 1), bitmap));
}

}  // namespace
