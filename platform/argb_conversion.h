// Turning a picture of palette indices into 32-bit ARGB pixels for the screen,
// all of it or only what changed since the last picture shown.
#pragma once

#include <array>
#include <cstdint>

#include "platform/platform.h"

namespace platform {

// One opaque 0xAARRGGBB value per palette index.
using ArgbTable = std::array<uint32_t, 256>;

ArgbTable MakeArgbTable(const PaletteEntry* palette);

// Writes width x height ARGB pixels; the rows of both pictures are given
// their own pitch in bytes.
void ConvertToArgb(const uint8_t* indices, int width, int height, int indexPitch, const ArgbTable& table,
                   uint32_t* argb, int argbPitch);

// The rows [first, end) of a picture.
struct RowBand {
  int first = 0;
  int end = 0;
  bool Empty() const { return first == end; }
};

// Copies the rows of `indices` that differ from `shown` (width x height,
// rows width bytes apart) into it and returns the band that holds them all.
RowBand TakeChangedRows(const uint8_t* indices, int width, int height, int indexPitch, uint8_t* shown);

// Brings `shown` up to date with `indices` as above and converts into `argb`
// only the runs of sixteen pixels that changed (single pixels at the end of
// a row), leaving the rest of it as it was: `argb` must hold `shown` converted.
void ConvertChangedToArgb(const uint8_t* indices, int width, int height, int indexPitch, uint8_t* shown,
                          const ArgbTable& table, uint32_t* argb, int argbPitch);

}  // namespace platform
