#include "tools/replay/screenshot.h"

#include "platform/png_file.h"

std::vector<uint8_t> ShownColours(const platform::HeadlessDisplay& display) {
  std::vector<uint8_t> rgb;
  rgb.reserve(display.shown.size() * 3);
  for (uint8_t index : display.shown) {
    const platform::PaletteEntry& entry = display.shownPalette[index];
    rgb.insert(rgb.end(), {entry.red, entry.green, entry.blue});
  }
  return rgb;
}

bool WriteScreenshot(const platform::HeadlessDisplay& display, const std::string& path) {
  return platform::WritePng(path, ShownColours(display), display.width, display.height, platform::PngFormat::Rgb);
}
