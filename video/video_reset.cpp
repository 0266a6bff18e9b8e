#include <algorithm>

#include "video/display.h"
#include "video/fade.h"
#include "video/picture.h"

void ResetVideoState() {
  ReleaseDisplay(PictureCount);
  for (Surface*& picture : pictureSurfaces) {
    delete picture;
    picture = nullptr;
  }
  std::fill_n(paletteEntries, 256, platform::PaletteEntry{});
  std::fill_n(fadeEntries, 256, platform::PaletteEntry{});
  std::fill_n(&fadeHold[0][0], 256 * 3, int16_t{0});
}
