// Reading an 8-bit indexed Windows bitmap file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

struct IndexedBitmap {
  int width = 0;                 // columns in the file
  int height = 0;                // rows, always positive (top-down files too)
  std::vector<uint8_t> pixels;   // width x height palette indices, top row first
  PaletteEntry colours[256];     // the colour table (flags 0); missing entries black
};

// False when the file is missing, unreadable or not an 8-bit indexed bitmap.
bool ReadIndexedBitmap(const std::string& path, IndexedBitmap& bitmap);

}  // namespace platform
