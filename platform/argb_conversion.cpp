#include "platform/argb_conversion.h"

#include <cstddef>
#include <cstring>

namespace platform {

namespace {

constexpr int RunLength = 8;

const uint8_t* Row(const uint8_t* picture, int pitch, int y) { return picture + static_cast<std::ptrdiff_t>(y) * pitch; }

uint32_t* Row(uint32_t* argb, int pitch, int y) {
  return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(argb) + static_cast<std::ptrdiff_t>(y) * pitch);
}

}  // namespace

ArgbTable MakeArgbTable(const PaletteEntry* palette) {
  ArgbTable table;
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = palette[i];
    table[i] = 0xFF000000u | static_cast<uint32_t>(e.red) << 16 | static_cast<uint32_t>(e.green) << 8 | e.blue;
  }
  return table;
}

void ConvertToArgb(const uint8_t* indices, int width, int height, int indexPitch, const ArgbTable& table,
                   uint32_t* argb, int argbPitch) {
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = Row(indices, indexPitch, y);
    uint32_t* out = Row(argb, argbPitch, y);
    int x = 0;
    // Four pixels per round keeps the loop overhead off the table look-ups.
    for (; x + 4 <= width; x += 4) {
      out[x] = table[in[x]];
      out[x + 1] = table[in[x + 1]];
      out[x + 2] = table[in[x + 2]];
      out[x + 3] = table[in[x + 3]];
    }
    for (; x < width; ++x) out[x] = table[in[x]];
  }
}

RowBand TakeChangedRows(const uint8_t* indices, int width, int height, int indexPitch, uint8_t* shown) {
  RowBand band{height, height};
  for (int y = 0; y < height; ++y) {
    uint8_t* old = shown + static_cast<std::ptrdiff_t>(y) * width;
    const uint8_t* in = Row(indices, indexPitch, y);
    if (std::memcmp(old, in, width) == 0) continue;
    std::memcpy(old, in, width);
    if (band.first == height) band.first = y;
    band.end = y + 1;
  }
  return band;
}

// Compared eight bytes at a time: a picture mostly like the last one costs a
// read of both and little else.
void ConvertChangedToArgb(const uint8_t* indices, int width, int height, int indexPitch, uint8_t* shown,
                          const ArgbTable& table, uint32_t* argb, int argbPitch) {
  for (int y = 0; y < height; ++y) {
    uint8_t* old = shown + static_cast<std::ptrdiff_t>(y) * width;
    const uint8_t* in = Row(indices, indexPitch, y);
    uint32_t* out = Row(argb, argbPitch, y);
    int x = 0;
    for (; x + RunLength <= width; x += RunLength) {
      uint64_t before = 0;
      uint64_t after = 0;
      std::memcpy(&before, old + x, RunLength);
      std::memcpy(&after, in + x, RunLength);
      if (before == after) continue;
      std::memcpy(old + x, &after, RunLength);
      for (int i = 0; i < RunLength; ++i) out[x + i] = table[in[x + i]];
    }
    for (; x < width; ++x) {
      if (old[x] == in[x]) continue;
      old[x] = in[x];
      out[x] = table[in[x]];
    }
  }
}

}  // namespace platform
