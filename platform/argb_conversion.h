// Turning a picture of palette indices into 32-bit ARGB pixels for the screen.
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

}  // namespace platform
