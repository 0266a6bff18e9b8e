// Bitmap files for tests, written byte by byte, and a scratch folder to run
// the game in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/file_names.h"
#include "tests/scratch_folder.h"

namespace fixture {

inline void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An uncompressed bitmap of bitCount bits per pixel, bottom-up. An 8-bit one
// gets a colour table whose entry i is (red i, green 255 - i, blue i / 2) and
// pixel (x, y) = indexAt(x, y); any other depth gets zero pixels.
template <typename IndexAt>
std::vector<uint8_t> BitmapBytes(int width, int height, int bitCount, IndexAt indexAt) {
  const int rowBytes = (width * bitCount / 8 + 3) / 4 * 4;
  const int tableBytes = bitCount == 8 ? 256 * 4 : 0;
  const uint32_t offset = 14 + 40 + tableBytes;
  std::vector<uint8_t> b = {'B', 'M'};
  PutLittleEndian(b, offset + rowBytes * height, 4);
  PutLittleEndian(b, 0, 4);
  PutLittleEndian(b, offset, 4);
  PutLittleEndian(b, 40, 4);
  PutLittleEndian(b, static_cast<uint32_t>(width), 4);
  PutLittleEndian(b, static_cast<uint32_t>(height), 4);
  PutLittleEndian(b, 1, 2);
  PutLittleEndian(b, static_cast<uint32_t>(bitCount), 2);
  PutLittleEndian(b, 0, 4);
  PutLittleEndian(b, static_cast<uint32_t>(rowBytes * height), 4);
  PutLittleEndian(b, 2835, 4);
  PutLittleEndian(b, 2835, 4);
  PutLittleEndian(b, bitCount == 8 ? 256 : 0, 4);
  PutLittleEndian(b, 0, 4);
  for (int i = 0; i < tableBytes / 4; ++i) {
    b.insert(b.end(), {static_cast<uint8_t>(i / 2), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i), 0});
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(rowBytes, 0);
    if (bitCount == 8) {
      for (int x = 0; x < width; ++x) row[x] = indexAt(x, y);
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline uint8_t Pattern(int x, int y) { return static_cast<uint8_t>((x * 3 + y * 7) % 256); }

// The three pictures at their full size with the test pattern.
inline void WritePictures() {
  WriteFile(PictureFileNames[0], BitmapBytes(640, 805, 8, Pattern));
  WriteFile(PictureFileNames[1], BitmapBytes(640, 480, 8, Pattern));
  WriteFile(PictureFileNames[2], BitmapBytes(640, 480, 8, Pattern));
}

}  // namespace fixture
