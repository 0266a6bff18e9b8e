// A small PNG writer: 8-bit RGB or RGBA pixels, stored (uncompressed) deflate
// blocks, correct CRC-32 and Adler-32.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace png {

enum class PixelFormat { Rgb = 3, Rgba = 4 };

// pixels holds width x height pixels, top row first, 3 or 4 bytes each.
std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int width, int height,
                            PixelFormat format);

// Encodes and writes the file; false on a bad size or a write error.
bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& pixels, int width,
               int height, PixelFormat format);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size);

}  // namespace png
