#include "platform/argb_conversion.h"

#include <cstddef>

namespace platform {

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
  auto* outRow = reinterpret_cast<uint8_t*>(argb);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = indices + static_cast<std::ptrdiff_t>(y) * indexPitch;
    auto* out = reinterpret_cast<uint32_t*>(outRow + static_cast<std::ptrdiff_t>(y) * argbPitch);
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

}  // namespace platform
