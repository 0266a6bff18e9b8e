#include "tools/datagen/icon_art.h"

#include <system_error>

#include "platform/png_file.h"
#include "shell/file_names.h"
#include "tools/datagen/block_art.h"

namespace {

// A red gem, a cyan tile, a magenta diamond and a yellow gem: one block of
// every group, as they might lie in a well.
constexpr int IconKinds[2][2] = {{0, 5}, {10, 1}};
constexpr int Samples = 6;  // per pixel and axis

uint8_t Channel(double value) { return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 255.0))); }

}  // namespace

std::vector<uint8_t> RenderIcon(int size) {
  const double cell = size / 2.0, scale = BlockArtSize / cell;
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Colour sum;
      double alpha = 0;
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          const double px = x + (sx + 0.5) / Samples, py = y + (sy + 0.5) / Samples;
          const int column = px < cell ? 0 : 1, row = py < cell ? 0 : 1;
          const Sample s = RestingBlock(IconKinds[row][column], (px - column * cell) * scale, (py - row * cell) * scale);
          sum = {sum.r + s.colour.r * s.alpha, sum.g + s.colour.g * s.alpha, sum.b + s.colour.b * s.alpha};
          alpha += s.alpha;
        }
      }
      uint8_t* pixel = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      if (alpha <= 0) continue;
      pixel[0] = Channel(sum.r / alpha);
      pixel[1] = Channel(sum.g / alpha);
      pixel[2] = Channel(sum.b / alpha);
      pixel[3] = Channel(255 * alpha / (Samples * Samples));
    }
  }
  return rgba;
}

bool WriteIcons(const std::filesystem::path& folder) {
  for (size_t i = 0; i < std::size(IconSizes); ++i) {
    const std::filesystem::path file = folder / IconFileNames[i];
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (!platform::WritePng(file.string(), RenderIcon(IconSizes[i]), IconSizes[i], IconSizes[i],
                            platform::PngFormat::Rgba)) {
      return false;
    }
  }
  return true;
}
