#include "platform/bitmap_file.h"

#include <SDL.h>

#include <cstring>
#include <fstream>
#include <memory>

namespace platform {

namespace {

constexpr uint32_t CoreHeaderSize = 12;  // the old OS/2 header with 16-bit sizes
constexpr uint32_t CompressionNone = 0;
constexpr uint32_t CompressionRle8 = 1;

uint32_t LittleEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

// SDL's loader widens 1- and 4-bit files to 8 bits per pixel, so the file's
// own header decides whether it really is an 8-bit indexed picture.
bool HeaderSaysEightBitIndexed(const std::string& path) {
  unsigned char header[34] = {};
  std::ifstream file(path, std::ios::binary);
  if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return false;
  if (header[0] != 'B' || header[1] != 'M') return false;
  const uint32_t infoSize = LittleEndian(header + 14, 4);
  if (infoSize == CoreHeaderSize) return LittleEndian(header + 24, 2) == 8;
  const uint32_t bitCount = LittleEndian(header + 28, 2);
  const uint32_t compression = LittleEndian(header + 30, 4);
  return bitCount == 8 && (compression == CompressionNone || compression == CompressionRle8);
}

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

}  // namespace

bool ReadIndexedBitmap(const std::string& path, IndexedBitmap& bitmap) {
  if (!HeaderSaysEightBitIndexed(path)) return false;
  std::unique_ptr<SDL_Surface, SurfaceDeleter> surface(SDL_LoadBMP(path.c_str()));
  if (!surface) return false;
  const SDL_Palette* colourTable = surface->format->palette;
  if (surface->format->BitsPerPixel != 8 || colourTable == nullptr) return false;

  bitmap.width = surface->w;
  bitmap.height = surface->h;
  bitmap.pixels.resize(static_cast<size_t>(surface->w) * surface->h);
  const auto* rows = static_cast<const uint8_t*>(surface->pixels);
  for (int y = 0; y < surface->h; ++y) {
    std::memcpy(&bitmap.pixels[static_cast<size_t>(y) * surface->w], rows + static_cast<size_t>(y) * surface->pitch,
                surface->w);
  }
  for (int i = 0; i < 256; ++i) {
    bitmap.colours[i] = PaletteEntry{};
    if (i < colourTable->ncolors) {
      const SDL_Color& colour = colourTable->colors[i];
      bitmap.colours[i] = PaletteEntry{colour.r, colour.g, colour.b, 0};
    }
  }
  return true;
}

}  // namespace platform
