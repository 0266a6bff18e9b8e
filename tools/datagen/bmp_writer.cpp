#include "tools/datagen/bmp_writer.h"

#include <fstream>

namespace {

constexpr uint32_t FileHeaderSize = 14, InfoHeaderSize = 40, ColourTableSize = 256 * 4;

void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v));
  Put16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

std::vector<uint8_t> EncodeBitmap(const IndexedPicture& picture, const Palette& palette) {
  const uint32_t stride = (static_cast<uint32_t>(picture.width) + 3) & ~3u;
  const uint32_t pixelBytes = stride * picture.height;
  const uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + ColourTableSize;

  std::vector<uint8_t> out;
  out.reserve(pixelOffset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, pixelOffset + pixelBytes);
  Put32(out, 0);  // reserved
  Put32(out, pixelOffset);

  Put32(out, InfoHeaderSize);
  Put32(out, static_cast<uint32_t>(picture.width));
  Put32(out, static_cast<uint32_t>(picture.height));  // positive: bottom-up
  Put16(out, 1);                                       // planes
  Put16(out, 8);                                       // bits per pixel
  Put32(out, 0);                                       // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 256);  // colours used
  Put32(out, 0);    // all important

  for (const PaletteColour& c : palette) out.insert(out.end(), {c.b, c.g, c.r, 0});

  for (int y = picture.height - 1; y >= 0; --y) {
    const auto row = picture.pixels.begin() + static_cast<size_t>(y) * picture.width;
    out.insert(out.end(), row, row + picture.width);
    out.resize(out.size() + (stride - picture.width), 0);
  }
  return out;
}

bool WriteBitmap(const std::filesystem::path& path, const IndexedPicture& picture, const Palette& palette) {
  const std::vector<uint8_t> bytes = EncodeBitmap(picture, palette);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}
