// PNG files through libpng: 8-bit RGB or RGBA pictures written for speed
// rather than size, and read back as RGBA within a size limit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class PngFormat { Rgb = 3, Rgba = 4 };

struct PngPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width x height pixels, top row first, 4 bytes each
};

// The reader refuses pictures with a longer side; the window icon, the
// screenshots and the contact sheets are far smaller.
constexpr int PngMaxSide = 4096;

// pixels holds width x height pixels, top row first, 3 or 4 bytes each.
// False on a bad size or when the file cannot be written whole.
bool WritePng(const std::string& path, const std::vector<uint8_t>& pixels, int width, int height, PngFormat format);

// Any PNG libpng can read, converted to 8-bit RGBA; false (and picture left
// empty) when the file is missing, damaged or larger than PngMaxSide.
bool ReadPng(const std::string& path, PngPicture& picture);

}  // namespace platform
