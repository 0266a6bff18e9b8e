#include "platform/sdl/sdl_display.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/sdl/letterbox.h"
#include "platform/sdl/sdl_host.h"

namespace platform {

namespace {

// A fade writes the palette 256 times. Each write takes this long, so a fade
// lasts about half a second whatever the screen's refresh rate.
constexpr int64_t PaletteWriteNanoseconds = 1'800'000;
// Writes closer together than this change the picture but are not presented:
// no screen shows them and presenting each one could slow the fade down.
constexpr int64_t PaletteShowIntervalNanoseconds = 8'000'000;
// A write this long after the previous one begins a new fade.
constexpr int64_t NewFadeGapNanoseconds = 50'000'000;

void ReportSdlError(const char* step) { std::fprintf(stderr, "SDL %s: %s\n", step, SDL_GetError()); }

}  // namespace

DisplayResult SdlDisplay::Open(int width, int height, int bitsPerPixel) {
  SDL_Window* window = host.Window();
  if (window == nullptr) return DisplayResult::NoDevice;
  SDL_DisplayMode desktop;
  if (bitsPerPixel != 8 || SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window), &desktop) != 0) {
    return DisplayResult::NoDisplayMode;
  }
  renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
  if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (renderer == nullptr) {
    ReportSdlError("renderer");
    return DisplayResult::NoPrimarySurface;
  }
  SDL_RendererInfo info{};
  const bool described = SDL_GetRendererInfo(renderer, &info) == 0;
  vsyncOn = described && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  softwareRenderer = described && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  barsPainted = false;
  pictureWidth = width;
  pictureHeight = height;
  if (!CreateTexture()) {
    ReportSdlError("texture");
    return DisplayResult::NoBackBuffer;
  }
  shownPixels.assign(static_cast<size_t>(width) * height, 0);
  std::fill(std::begin(shownPalette), std::end(shownPalette), PaletteEntry{});
  shownColours = MakeArgbTable(shownPalette);
  windowCurrent = false;
  Show(nullptr, 0);
  return DisplayResult::Ok;
}

// Opaque and in the usual format of a window's pixels, so that a software
// renderer copies it as it is instead of converting every pixel.
bool SdlDisplay::CreateTexture() {
  texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, pictureWidth,
                              pictureHeight);
  if (texture == nullptr) return false;
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
  textureCurrent = false;
  return true;
}

void SdlDisplay::Present(const uint8_t* pixels, int width, int height, int pitch, const PaletteEntry* palette,
                         bool waitVsync) {
  if (renderer == nullptr || width != pictureWidth || height != pictureHeight) return;
  if (std::memcmp(shownPalette, palette, sizeof shownPalette) != 0) {
    std::memcpy(shownPalette, palette, sizeof shownPalette);
    shownColours = MakeArgbTable(shownPalette);
    textureCurrent = false;
    windowCurrent = false;
  }
  if (waitVsync) {
    SetVsync(true);
    Show(pixels, pitch);
  } else {
    PaceAndShowPaletteWrite(pixels, pitch);
  }
}

// Each write sleeps until its own deadline, counted from the fade's first
// write, so a late wake-up shortens the next wait instead of adding up.
void SdlDisplay::PaceAndShowPaletteWrite(const uint8_t* pixels, int pitch) {
  const int64_t now = clock.Now();
  if (now > nextWriteDeadline + NewFadeGapNanoseconds) nextWriteDeadline = now;
  nextWriteDeadline += PaletteWriteNanoseconds;
  if (now - lastShownAt >= PaletteShowIntervalNanoseconds) {
    SetVsync(false);
    Show(pixels, pitch);
  }
  clock.SleepUntil(nextWriteDeadline);
}

void SdlDisplay::SetVsync(bool on) {
  if (on == vsyncOn) return;
  SDL_RenderSetVSync(renderer, on ? 1 : 0);
  vsyncOn = on;
}

void SdlDisplay::Show(const uint8_t* pixels, int pitch) {
  if (texture == nullptr) return;
  int screenWidth = 0;
  int screenHeight = 0;
  SDL_GetRendererOutputSize(renderer, &screenWidth, &screenHeight);
  const ScreenArea area = LetterboxArea(screenWidth, screenHeight, pictureWidth, pictureHeight, host.Screen().scaling);
  PaintBars(screenWidth, screenHeight, area);
  if (!DrawIntoWindow(area, pixels, pitch)) {
    UpdateTexture(pixels, pitch);
    const SDL_Rect target{area.x, area.y, area.width, area.height};
    SDL_RenderCopy(renderer, texture, nullptr, &target);
  }
  SDL_RenderPresent(renderer);
  lastShownAt = clock.Now();
}

// A software renderer showing the picture at its own size would only copy
// the texture into the window's pixels: the picture is converted straight
// into them instead, and only where it changed. A window's pixels made anew
// (the window changed) are told by the mark left on the old ones.
bool SdlDisplay::DrawIntoWindow(const ScreenArea& area, const uint8_t* pixels, int pitch) {
  if (!softwareRenderer || area.width != pictureWidth || area.height != pictureHeight) return false;
  SDL_Surface* surface = SDL_GetWindowSurface(host.Window());
  if (surface == nullptr || SDL_MUSTLOCK(surface) || area.x < 0 || area.y < 0 ||
      area.x + area.width > surface->w || area.y + area.height > surface->h ||
      (surface->format->format != SDL_PIXELFORMAT_RGB888 && surface->format->format != SDL_PIXELFORMAT_ARGB8888)) {
    return false;
  }
  auto* argb = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                           static_cast<ptrdiff_t>(area.y) * surface->pitch) + area.x;
  if (windowCurrent && surface->userdata == this) {
    if (pixels != nullptr) {
      ConvertChangedToArgb(pixels, pictureWidth, pictureHeight, pitch, shownPixels.data(), shownColours, argb,
                           surface->pitch);
    }
  } else {
    TakeWholePicture(pixels, pitch);
    ConvertToArgb(shownPixels.data(), pictureWidth, pictureHeight, pictureWidth, shownColours, argb, surface->pitch);
    surface->userdata = this;
    windowCurrent = true;
  }
  textureCurrent = false;
  return true;
}

// The streaming texture keeps its pixels: only the band of rows that changed is locked and converted.
void SdlDisplay::UpdateTexture(const uint8_t* pixels, int pitch) {
  RowBand band;
  if (!textureCurrent) {
    TakeWholePicture(pixels, pitch);
    band = RowBand{0, pictureHeight};
  } else if (pixels != nullptr) {
    band = TakeChangedRows(pixels, pictureWidth, pictureHeight, pitch, shownPixels.data());
  }
  windowCurrent = false;
  if (band.Empty()) return;
  const SDL_Rect rows{0, band.first, pictureWidth, band.end - band.first};
  void* argb = nullptr;
  int argbPitch = 0;
  textureCurrent = SDL_LockTexture(texture, &rows, &argb, &argbPitch) == 0;
  if (!textureCurrent) return;
  ConvertToArgb(&shownPixels[static_cast<size_t>(band.first) * pictureWidth], pictureWidth, rows.h, pictureWidth,
                shownColours, static_cast<uint32_t*>(argb), argbPitch);
  SDL_UnlockTexture(texture);
}

void SdlDisplay::TakeWholePicture(const uint8_t* pixels, int pitch) {
  if (pixels == nullptr) return;
  for (int y = 0; y < pictureHeight; ++y) {
    std::memcpy(&shownPixels[static_cast<size_t>(y) * pictureWidth], pixels + static_cast<ptrdiff_t>(y) * pitch,
                pictureWidth);
  }
}

// Only the bars beside the picture are painted black: clearing the whole
// screen would cost a software renderer as much as the picture. Such a
// renderer draws into the window's own pixels, which keep the bars until the
// window changes; other renderers start every frame afresh.
void SdlDisplay::PaintBars(int screenWidth, int screenHeight, const ScreenArea& area) {
  if (softwareRenderer && barsPainted && barsScreen.x == screenWidth && barsScreen.y == screenHeight) return;
  const SDL_Rect bars[] = {{0, 0, screenWidth, area.y},
                           {0, area.y + area.height, screenWidth, screenHeight - area.y - area.height},
                           {0, area.y, area.x, area.height},
                           {area.x + area.width, area.y, screenWidth - area.x - area.width, area.height}};
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderFillRects(renderer, bars, 4);
  barsPainted = true;
  barsScreen = SDL_Point{screenWidth, screenHeight};
}

void SdlDisplay::ShowAgain() {
  barsPainted = false;
  windowCurrent = false;
  if (renderer != nullptr) Show(nullptr, 0);
}

void SdlDisplay::RecoverTextures() {
  barsPainted = false;
  if (renderer == nullptr) return;
  if (texture != nullptr) SDL_DestroyTexture(texture);
  if (!CreateTexture()) ReportSdlError("texture");
  Show(nullptr, 0);
}

void SdlDisplay::Close() {
  if (texture != nullptr) SDL_DestroyTexture(texture);
  if (renderer != nullptr) SDL_DestroyRenderer(renderer);
  texture = nullptr;
  renderer = nullptr;
}

}  // namespace platform
