#include "tools/datagen/contact_sheet.h"

#include "platform/png_file.h"

namespace {

constexpr PaletteColour CheckLight{96, 96, 104}, CheckDark{64, 64, 72}, GridColour{0, 255, 160};
constexpr int CheckSize = 8;

void Plot(std::vector<uint8_t>& rgb, int width, int x, int y, PaletteColour c) {
  uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
  p[0] = c.r, p[1] = c.g, p[2] = c.b;
}

}  // namespace

std::vector<uint8_t> RenderContactSheet(const IndexedPicture& picture, const Palette& palette,
                                        const std::vector<Rect>& sprites) {
  const int width = picture.width * ContactScale, height = picture.height * ContactScale;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t index = picture.At(x / ContactScale, y / ContactScale);
      const bool light = ((x / CheckSize) + (y / CheckSize)) % 2 == 0;
      Plot(rgb, width, x, y, index == KeyIndex ? (light ? CheckLight : CheckDark) : palette[index]);
    }
  }
  // Each outline runs just outside its rectangle, on the magnified grid.
  for (const Rect& r : sprites) {
    const int left = r.left * ContactScale - 1, top = r.top * ContactScale - 1;
    const int right = r.right * ContactScale, bottom = r.bottom * ContactScale;
    for (int x = left; x <= right; ++x) {
      for (int y : {top, bottom})
        if (x >= 0 && x < width && y >= 0 && y < height) Plot(rgb, width, x, y, GridColour);
    }
    for (int y = top; y <= bottom; ++y) {
      for (int x : {left, right})
        if (x >= 0 && x < width && y >= 0 && y < height) Plot(rgb, width, x, y, GridColour);
    }
  }
  return rgb;
}

bool WriteContactSheet(const std::filesystem::path& path, const IndexedPicture& picture, const Palette& palette,
                       const std::vector<Rect>& sprites) {
  return platform::WritePng(path.string(), RenderContactSheet(picture, palette, sprites), picture.width * ContactScale,
                            picture.height * ContactScale, platform::PngFormat::Rgb);
}
