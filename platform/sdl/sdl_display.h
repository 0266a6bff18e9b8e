// The indexed 640 x 480 picture shown through its palette by an SDL renderer.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/argb_conversion.h"
#include "platform/platform.h"
#include "platform/sdl/letterbox.h"
#include "platform/tick_wait.h"

namespace platform {

class SdlHost;

class SdlDisplay : public Display {
 public:
  explicit SdlDisplay(SdlHost& windowHost) : host(windowHost) {}
  ~SdlDisplay() override { Close(); }
  DisplayResult Open(int width, int height, int bitsPerPixel) override;
  void Present(const uint8_t* pixels, int width, int height, int pitch, const PaletteEntry* palette,
               bool waitVsync) override;
  void Close() override;

  // Shows the last picture again: the window was uncovered, resized or switched.
  void ShowAgain();
  // SDL threw the renderer's textures away: makes them anew and shows the picture.
  void RecoverTextures();

 private:
  bool CreateTexture();
  void SetVsync(bool on);
  void PaceAndShowPaletteWrite(const uint8_t* pixels, int pitch);
  // Brings the screen up to date with a new picture (nullptr: the one shown) and presents it.
  void Show(const uint8_t* pixels, int pitch);
  bool DrawIntoWindow(const ScreenArea& area, const uint8_t* pixels, int pitch);
  void UpdateTexture(const uint8_t* pixels, int pitch);
  void TakeWholePicture(const uint8_t* pixels, int pitch);
  void PaintBars(int screenWidth, int screenHeight, const ScreenArea& area);

  SdlHost& host;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int pictureWidth = 0;
  int pictureHeight = 0;
  bool vsyncOn = false;
  bool softwareRenderer = false;
  bool barsPainted = false;  // by a software renderer, since the window last changed
  SDL_Point barsScreen{};    // the size of the screen they were painted on
  std::vector<uint8_t> shownPixels;  // the visible picture, kept to show it again
  PaletteEntry shownPalette[256];
  ArgbTable shownColours{};
  // Whether the texture, or the window's own pixels, hold the visible picture in
  // its colours, so that a new picture need only change what differs.
  bool textureCurrent = false;
  bool windowCurrent = false;
  MonotonicClock clock;
  int64_t nextWriteDeadline = 0;  // nanoseconds on the monotonic clock
  int64_t lastShownAt = 0;
};

}  // namespace platform
