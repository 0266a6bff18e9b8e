// Reading an 8-bit indexed Windows bitmap file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

// Pictures are at most this many pixels wide and high, so a decoded picture
// takes at most 16 MB.
constexpr int MaxBitmapSide = 4096;
// Only this much of a bitmap file is read: room for the largest header and
// colour table and the pixel rows of the largest picture, even run-length
// encoded with nothing to gain.
constexpr size_t MaxBitmapFileBytes = 17u << 20;

struct IndexedBitmap {
  int width = 0;                 // columns in the file
  int height = 0;                // rows, always positive (top-down files too)
  std::vector<uint8_t> pixels;   // width x height palette indices, top row first
  PaletteEntry colours[256];     // the colour table (flags 0); missing entries black
};

// Uncompressed or RLE8 8-bit bitmaps, bottom-up or top-down, with the
// Windows header or the old OS/2 one. The header is checked before anything
// is allocated. False for anything else, or a file whose colour table or
// pixels are not all there.
bool DecodeIndexedBitmap(const uint8_t* bytes, size_t size, IndexedBitmap& bitmap);

// False when the file is missing, not a regular file, or not such a bitmap.
bool ReadIndexedBitmap(const std::string& path, IndexedBitmap& bitmap);

}  // namespace platform
