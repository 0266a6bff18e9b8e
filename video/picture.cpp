#include "video/picture.h"

#include <algorithm>
#include <cstring>

#include "platform/bitmap_file.h"
#include "shell/notice.h"
#include "video/display.h"

Surface* pictureSurfaces[PictureCount] = {};
platform::PaletteEntry paletteEntries[256] = {};

namespace {

constexpr const char* BitmapLoadNotice = "ビットマップのロードに失敗しました。";
constexpr const char* SurfaceNotice = "DirectDrawオフスクリーンサーフェースの生成に失敗しました。";
constexpr const char* NoPaletteNotice = "DirectDrawパレットが生成されていません。";
// PC_RESERVED | PC_NOCOLLAPSE: the entries belong to the game alone.
constexpr uint8_t LoadedEntryFlags = 5;

bool ReadBitmap(const char* fileName, platform::IndexedBitmap& bitmap) {
  if (platform::ReadIndexedBitmap(fileName, bitmap)) return true;
  ShowNotice(BitmapLoadNotice);
  return false;
}

// The file's indices reach the surface unchanged; columns and rows beyond the
// surface are left out.
void CopyPixels(const platform::IndexedBitmap& bitmap, Surface& surface) {
  const int columns = std::min(bitmap.width, surface.width);
  const int rows = std::min(bitmap.height, surface.height);
  for (int y = 0; y < rows; ++y) {
    std::memcpy(surface.Row(y), bitmap.pixels.data() + static_cast<size_t>(y) * bitmap.width,
                static_cast<size_t>(columns));
  }
}

}  // namespace

// The palette is set from the file's colour table before its pixels are copied.
int LoadPicture(const char* fileName, Surface** slot, platform::PaletteEntry* entries, uint8_t colourKey) {
  platform::IndexedBitmap bitmap;
  if (!ReadBitmap(fileName, bitmap)) return 0;
  // An off-screen surface is made by the display; without one there is none.
  if (!displayOpen) {
    ShowNotice(SurfaceNotice);
    return 0;
  }
  delete *slot;
  *slot = new Surface(std::min(bitmap.width, ScreenWidth), bitmap.height);
  (*slot)->colourKey = colourKey;
  for (int i = 0; i < 256; ++i) {
    entries[i] = bitmap.colours[i];
    entries[i].flags = LoadedEntryFlags;
  }
  if (palette == nullptr) {
    ShowNotice(NoPaletteNotice);
    return 0;
  }
  SetPaletteEntries(entries);
  CopyPixels(bitmap, **slot);
  return 1;
}

int ReloadPicture(const char* fileName, Surface* surface) {
  platform::IndexedBitmap bitmap;
  if (!ReadBitmap(fileName, bitmap)) return 0;
  if (surface != nullptr) CopyPixels(bitmap, *surface);
  return 1;
}

void RestorePicture(const char* fileName, Surface* surface) {
  if (surface == nullptr || !surface->lost) return;
  surface->lost = false;
  ReloadPicture(fileName, surface);
}
