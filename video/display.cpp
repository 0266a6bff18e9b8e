#include "video/display.h"

#include <algorithm>
#include <utility>

#include "shell/notice.h"
#include "video/picture.h"

bool displayOpen = false;
Surface* primarySurface = nullptr;
Surface* backBuffer = nullptr;
platform::PaletteEntry* palette = nullptr;

namespace {

using platform::DisplayResult;

Surface frontStore;
Surface backStore;
platform::PaletteEntry paletteStore[256];

int Fail(const char* notice) {
  ShowNotice(notice);
  return 0;
}

void Present(bool waitVsync) {
  if (primarySurface == nullptr || palette == nullptr) return;
  platform::display().Present(primarySurface->pixels.data(), primarySurface->width, primarySurface->height,
                              primarySurface->width, palette, waitVsync);
}

}  // namespace

// The platform reports the first step that failed; everything before it
// exists and is kept, as nothing is released on a failed start-up.
int InitDisplay(int width, int height, int bitsPerPixel) {
  const DisplayResult result = platform::display().Open(width, height, bitsPerPixel);
  if (result == DisplayResult::NoDevice) return Fail("DirectDrawオブジェクト7の生成に失敗しました。");
  displayOpen = true;
  if (result == DisplayResult::NoExclusiveMode) return Fail("SetCooperativeLevel失敗しました。");
  if (result == DisplayResult::NoDisplayMode) return Fail("SetDisplayMode失敗しました。");
  if (result == DisplayResult::NoPrimarySurface) return Fail("CreateSurface失敗しました。");
  frontStore = Surface(width, height);
  primarySurface = &frontStore;
  if (result == DisplayResult::NoBackBuffer) return Fail("GetAttachedSurface失敗しました。");
  backStore = Surface(width, height);
  backBuffer = &backStore;
  if (bitsPerPixel != 8) return 1;
  if (result == DisplayResult::NoPalette) return Fail("DirectDrawパレットの生成に失敗しました。");
  std::copy_n(paletteEntries, 256, paletteStore);
  palette = paletteStore;
  if (result == DisplayResult::PaletteNotAttached) return Fail("DirectDrawパレットの設定に失敗しました。");
  return 1;
}

int FlipScreen() {
  if (primarySurface == nullptr || backBuffer == nullptr) return 0;
  std::swap(primarySurface, backBuffer);
  Present(true);
  return 1;
}

void RestorePrimary() {
  if (primarySurface == nullptr || !primarySurface->lost) return;
  primarySurface->lost = false;
  if (backBuffer != nullptr) backBuffer->lost = false;
}

// Safe to call twice: the second call finds the display closed.
void ReleaseDisplay(int pictureCount) {
  if (!displayOpen) return;
  for (uint8_t i = 0; i < pictureCount; ++i) {
    delete pictureSurfaces[i];
    pictureSurfaces[i] = nullptr;
  }
  palette = nullptr;
  // The back buffer goes with the primary surface; no pointer is left dangling.
  primarySurface = nullptr;
  backBuffer = nullptr;
  frontStore = Surface();
  backStore = Surface();
  platform::display().Close();
  displayOpen = false;
}

void GetPaletteEntries(platform::PaletteEntry* entries) {
  if (palette != nullptr) std::copy_n(palette, 256, entries);
}

// Shows the front picture again through the new entries, without waiting for vsync.
void SetPaletteEntries(const platform::PaletteEntry* entries) {
  if (palette == nullptr) return;
  std::copy_n(entries, 256, palette);
  Present(false);
}
