#include "platform/argb_conversion.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

// Sixteen pixels of ARGB fill one 64-byte cache line.
constexpr int RunLength = 16;

const uint8_t* Row(const uint8_t* picture, int pitch, int y) { return picture + static_cast<std::ptrdiff_t>(y) * pitch; }

uint32_t* Row(uint32_t* argb, int pitch, int y) {
  return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(argb) + static_cast<std::ptrdiff_t>(y) * pitch);
}

// A window's pixels have mostly left the cache by the next frame, and
// writing part of a line that is not there first reads it in. Where the
// machine can, runs are streamed past the cache instead: a whole line
// written so is never read. Such stores need 16-byte alignment.
#if defined(__SSE2__)
bool CanStream(const uint32_t* out) { return reinterpret_cast<uintptr_t>(out) % 16 == 0; }

void StreamRun(const uint8_t* in, const ArgbTable& table, uint32_t* out) {
  for (int x = 0; x < RunLength; x += 4) {
    const __m128i four = _mm_setr_epi32(static_cast<int>(table[in[x]]), static_cast<int>(table[in[x + 1]]),
                                        static_cast<int>(table[in[x + 2]]), static_cast<int>(table[in[x + 3]]));
    _mm_stream_si128(reinterpret_cast<__m128i*>(out + x), four);
  }
}

void FinishStreaming() { _mm_sfence(); }
#else
bool CanStream(const uint32_t*) { return false; }
void StreamRun(const uint8_t*, const ArgbTable&, uint32_t*) {}
void FinishStreaming() {}
#endif

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

// Compared sixteen bytes at a time: a picture mostly like the last one costs
// a read of both and little else.
void ConvertChangedToArgb(const uint8_t* indices, int width, int height, int indexPitch, uint8_t* shown,
                          const ArgbTable& table, uint32_t* argb, int argbPitch) {
  for (int y = 0; y < height; ++y) {
    uint8_t* old = shown + static_cast<std::ptrdiff_t>(y) * width;
    const uint8_t* in = Row(indices, indexPitch, y);
    uint32_t* out = Row(argb, argbPitch, y);
    const bool stream = CanStream(out);
    int x = 0;
    for (; x + RunLength <= width; x += RunLength) {
      if (std::memcmp(old + x, in + x, RunLength) == 0) continue;
      std::memcpy(old + x, in + x, RunLength);
      if (stream) {
        StreamRun(in + x, table, out + x);
      } else {
        for (int i = x; i < x + RunLength; ++i) out[i] = table[in[i]];
      }
    }
    for (; x < width; ++x) {
      if (old[x] == in[x]) continue;
      old[x] = in[x];
      out[x] = table[in[x]];
    }
  }
  FinishStreaming();
}

}  // namespace platform
