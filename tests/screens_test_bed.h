// A headless platform, a 640 x 480 back buffer and synthetic pictures in
// which every sprite rectangle holds its own palette index, for the screens tests.
#pragma once

#include <algorithm>
#include <cstdint>

#include "audio/sound.h"
#include "input/input.h"
#include "platform/headless/headless.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "screens/sprite_layout.h"
#include "shell/file_names.h"
#include "shell/scenes.h"
#include "video/display.h"
#include "video/picture.h"

namespace testbed {

// Palette indices painted into the synthetic pictures.
constexpr uint8_t CellIndex(int n) { return static_cast<uint8_t>(20 + n); }
constexpr uint8_t FrameTileIndex(int v) { return static_cast<uint8_t>(100 + v); }
constexpr uint8_t LargeDigitIndex(int d) { return static_cast<uint8_t>(110 + d); }
constexpr uint8_t SmallDigitIndex(int d) { return static_cast<uint8_t>(130 + d); }
constexpr uint8_t BackdropFixedIndex = 150;
constexpr uint8_t BackdropMovingIndex = 151;
constexpr uint8_t WavyLogoIndex = 152;
constexpr uint8_t BouncingLogoIndex = 153;
constexpr uint8_t ItemNormalIndex[3] = {154, 155, 156};
constexpr uint8_t ItemHighlightedIndex[3] = {157, 158, 159};
constexpr uint8_t SpeedScreenIndex = 160;
constexpr uint8_t SpeedCursorIndex = 161;
constexpr uint8_t IntroCaption1Index = 162;
constexpr uint8_t IntroCaption2Index = 163;
constexpr uint8_t GameOverCaptionIndex = 164;
constexpr uint8_t SoloPanelIndex = 165;
constexpr uint8_t VersusPanelIndex = 166;
constexpr uint8_t PauseCaptionIndex = 167;
constexpr uint8_t NetworkCaptionIndex(int n) { return static_cast<uint8_t>(168 + n); }  // by NetworkCaption
constexpr uint8_t ClearBackground = 7;

inline void Fill(Surface& surface, const Rect& r, uint8_t value) {
  for (int y = r.top; y < r.bottom; ++y) std::fill(surface.Row(y) + r.left, surface.Row(y) + r.right, value);
}

struct ScreensTestBed {
  platform::Headless headless;
  Surface back{ScreenWidth, ScreenHeight};
  Surface pictures[PictureCount] = {Surface(layout::Picture0Width, layout::Picture0Height),
                                    Surface(layout::Picture1Width, layout::Picture1Height),
                                    Surface(layout::Picture2Width, layout::Picture2Height)};

  ScreensTestBed() {
    headless.Install();
    soundAvailable = true;
    for (Surface& picture : pictures) {
      picture.colourKey = TransparentIndex;
      std::fill(picture.pixels.begin(), picture.pixels.end(), TransparentIndex);
    }
    PaintPictures();
    for (int i = 0; i < PictureCount; ++i) pictureSurfaces[i] = &pictures[i];
    backBuffer = &back;
    ClearBack();
    ResetScreensState();
    ResetRulesState();
    currentScene = SceneTitle;
    keyDirections = 0;
    keyButton = 0;
  }
  ~ScreensTestBed() {
    for (Surface*& picture : pictureSurfaces) picture = nullptr;
    backBuffer = nullptr;
    soundAvailable = false;
  }

  void ClearBack() { std::fill(back.pixels.begin(), back.pixels.end(), ClearBackground); }
  uint8_t At(int x, int y) const { return back.Row(y)[x]; }
  int EffectsPlayed(int effect) const {
    return static_cast<int>(std::count_if(headless.sound.played.begin(), headless.sound.played.end(),
                                          [effect](const platform::EffectRequest& r) { return r.slot == effect; }));
  }

 private:
  void PaintPictures() {
    Surface& title = pictures[layout::TitlePicture];
    Surface& sprites = pictures[layout::SpritePicture];
    Surface& panel = pictures[layout::PanelPicture];
    for (int n = 0; n < layout::CellSpriteCount; ++n) Fill(sprites, cellSpriteRects[n], CellIndex(n));
    for (int v = 0; v < 5; ++v) Fill(sprites, layout::frameTileRects[v], FrameTileIndex(v));
    for (int d = 0; d < 10; ++d) {
      Fill(sprites, layout::LargeDigit(d), LargeDigitIndex(d));
      Fill(sprites, layout::SmallDigit(d), SmallDigitIndex(d));
    }
    Fill(panel, layout::BackdropFixedTile, BackdropFixedIndex);
    Fill(panel, layout::VersusSidePanel, VersusPanelIndex);
    Fill(panel, layout::PauseCaption, PauseCaptionIndex);
    const Rect networkCaptions[] = {layout::WaitingCaption, layout::ConnectingCaption, layout::OpponentLeftNotice,
                                    layout::ConnectionLostNotice, layout::OutOfSyncNotice};
    for (int n = 0; n < 5; ++n) Fill(panel, networkCaptions[n], NetworkCaptionIndex(n));
    // The moving tile is half key colour so the fixed layer shows through.
    Fill(sprites, Rect{layout::BackdropMovingTile.left, layout::BackdropMovingTile.top,
                       layout::BackdropMovingTile.left + 64, layout::BackdropMovingTile.bottom},
         BackdropMovingIndex);
    Fill(title, layout::WavyLogo, WavyLogoIndex);
    Fill(title, layout::BouncingLogo, BouncingLogoIndex);
    Fill(title, layout::Item0Normal, ItemNormalIndex[0]);
    Fill(title, layout::Item0Highlighted, ItemHighlightedIndex[0]);
    Fill(sprites, layout::Item1Normal, ItemNormalIndex[1]);
    Fill(sprites, layout::Item1Highlighted, ItemHighlightedIndex[1]);
    Fill(title, layout::Item2Normal, ItemNormalIndex[2]);
    Fill(title, layout::Item2Highlighted, ItemHighlightedIndex[2]);
    // The speed screen is key colour except a band at the top, so the backdrop shows below it.
    Fill(title, Rect{0, layout::SpeedScreen.top, 640, layout::SpeedScreen.top + 40}, SpeedScreenIndex);
    Fill(title, layout::SpeedCursor, SpeedCursorIndex);
    Fill(sprites, layout::IntroCaption1, IntroCaption1Index);
    Fill(sprites, layout::IntroCaption2, IntroCaption2Index);
    Fill(sprites, layout::GameOverCaption, GameOverCaptionIndex);
    Fill(sprites, layout::SoloSidePanel, SoloPanelIndex);
  }
};

}  // namespace testbed
