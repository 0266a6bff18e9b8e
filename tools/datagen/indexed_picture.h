// Pictures as the game reads them: 8-bit palette indices and one shared
// 256-entry colour table, index 12 the transparent key.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/datagen/canvas.h"

constexpr int KeyIndex = 12;

struct PaletteColour {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};
using Palette = std::array<PaletteColour, 256>;

struct IndexedPicture {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // top row first
  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// One palette for every canvas: black at 0, the key at 12, white at 255 and
// the other 253 entries chosen by median cut over the painted colours.
Palette BuildSharedPalette(const std::vector<const Canvas*>& canvases);

// Transparent pixels become the key; the others their nearest palette colour.
IndexedPicture ToIndexed(const Canvas& canvas, const Palette& palette);
