// Where every sprite lies in the three pictures. The screens copy from these
// rectangles and the data generator paints into them.
#pragma once

#include <array>

#include "video/surface.h"

namespace layout {

constexpr int Picture0Width = 640, Picture0Height = 805;
constexpr int Picture1Width = 640, Picture1Height = 480;
constexpr int Picture2Width = 640, Picture2Height = 480;

// Which picture surface each group of sprites below is copied from.
constexpr int TitlePicture = 0;
constexpr int SpritePicture = 1;
constexpr int PanelPicture = 2;

// Picture 0: title and speed select.
constexpr Rect WavyLogo{0, 0, 291, 89};  // drawn one row at a time
constexpr int WavyLogoRows = 89;
constexpr Rect WavyLogoRow(int j) { return {WavyLogo.left, j, WavyLogo.right, j + 1}; }
constexpr Rect BouncingLogo{0, 90, 506, 246};
constexpr Rect Item0Normal{293, 0, 445, 70};
constexpr Rect Item0Highlighted{0, 247, 152, 317};
constexpr Rect Item2Normal{446, 0, 638, 77};
constexpr Rect Item2Highlighted{153, 247, 345, 324};
constexpr Rect SpeedScreen{0, 325, 640, 805};
constexpr Rect SpeedCursor{507, 127, 546, 167};

// Picture 1: blocks, frame, digits, captions, solo panel, moving backdrop.
constexpr Rect Item1Normal{234, 373, 467, 465};
constexpr Rect Item1Highlighted{0, 373, 233, 465};
constexpr Rect BackdropMovingTile{360, 132, 488, 252};
constexpr Rect IntroCaption1{0, 222, 358, 297};
constexpr Rect IntroCaption2{0, 298, 236, 372};
constexpr Rect GameOverCaption{0, 142, 359, 221};
constexpr Rect SoloSidePanel{576, 0, 640, 480};

// Picture 2: the fixed backdrop tile, the versus panel, the pause caption,
// the captions while a network game is set up and the notices when one ends.
constexpr Rect BackdropFixedTile{98, 1, 226, 121};
constexpr Rect VersusSidePanel{0, 0, 64, 480};
constexpr Rect PauseCaption{240, 0, 448, 64};
constexpr Rect WaitingCaption{64, 124, 544, 220};
constexpr Rect ConnectingCaption{64, 224, 544, 320};
constexpr Rect OpponentLeftNotice{64, 324, 448, 380};
constexpr Rect ConnectionLostNotice{64, 384, 448, 440};
constexpr Rect OutOfSyncNotice{240, 65, 624, 121};

constexpr int CellSpriteCount = 76;

// Sprite n of a cell code (plus animation frame), on the 33-pixel grid of picture 1.
constexpr Rect CellSprite(int n) {
  if (n < 48) {
    const int left = 33 * (n % 16), top = 33 * (n / 16);
    return {left, top, left + 32, top + 32};
  }
  if (n < 64) {
    const int i = n - 48;
    const int left = 237 + 33 * (i % 8), top = 298 + 33 * (i / 8);
    return {left, top, left + 32, top + 32};
  }
  if (n < 68) return {495, 99 + 33 * (n - 64), 527, 131 + 33 * (n - 64)};
  if (n < 75) return {528, 33 * (n - 68), 560, 32 + 33 * (n - 68)};
  return {0, 0, 0, 0};
}

constexpr std::array<Rect, CellSpriteCount> MakeCellSpriteRects() {
  std::array<Rect, CellSpriteCount> rects{};
  for (int n = 0; n < CellSpriteCount; ++n) rects[n] = CellSprite(n);
  return rects;
}

// Indexed by a frameTiles value: inside, floor, side wall, bottom-left, bottom-right.
constexpr std::array<Rect, 5> frameTileRects = {
    Rect{132, 99, 164, 131}, Rect{0, 99, 32, 131}, Rect{33, 99, 65, 131},
    Rect{66, 99, 98, 131}, Rect{99, 99, 131, 131}};

constexpr Rect SmallDigit(int d) { return {11 * d, 132, 11 * d + 10, 141}; }
constexpr Rect LargeDigit(int d) { return {165 + 33 * d, 99, 197 + 33 * d, 131}; }

}  // namespace layout

constexpr std::array<Rect, layout::CellSpriteCount> cellSpriteRects = layout::MakeCellSpriteRects();
