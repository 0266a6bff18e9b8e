// A small PNG encoder: 8-bit RGB, no filtering, stored (uncompressed)
// deflate blocks. Pictures come out byte for byte the same on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds width x height pixels of red, green and blue bytes, row by row.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size);
