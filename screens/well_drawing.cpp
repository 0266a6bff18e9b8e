#include "screens/well_drawing.h"

#include "screens/game_over.h"
#include "screens/sprite_layout.h"
#include "shell/scenes.h"
#include "video/blit.h"
#include "video/picture.h"

uint8_t blockAnimTick[PlayerCount] = {};
uint8_t gaugeAnimTick[PlayerCount] = {};

namespace {

constexpr int CellSize = 32;
constexpr int SoloWellX = 142;
constexpr int VersusWellX[PlayerCount] = {0, 352};
constexpr int SoloPanelX = 430, VersusPanelX = 288;

constexpr uint8_t AnimTickLast = 40;
constexpr int AnimFrameLength = 10;
constexpr int AnimFrameLast = 3;
// Codes above this are single pictures without animation frames.
constexpr uint8_t LastAnimatedCode = 63;

constexpr int SoloPreviewX = 445, VersusPreviewX = 303;
constexpr int PreviewY[PlayerCount] = {12, 342};
constexpr int VersusPlayer0PreviewDrop = 8;

constexpr int GaugeX[PlayerCount] = {0, 608};
constexpr int GaugeBottomY = 448;
constexpr int AttackPointsPerRaise = 15;

// Steps a free-running animation counter (a cycle of 41) and returns its frame:
// frames 0, 1 and 2 last ten calls, frame 3 eleven.
int StepAnimation(uint8_t& tick) {
  tick = tick < AnimTickLast ? tick + 1 : 0;
  const int frame = tick / AnimFrameLength;
  return frame < AnimFrameLast ? frame : AnimFrameLast;
}

void DrawCell(uint8_t player, int r, int j, int animFrame) {
  const uint8_t code = well[player][r][j];
  // Walls, floor and empty cells are never drawn and have no sprite.
  if (code >= layout::CellSpriteCount) return;
  const int x0 = WellOriginX(player) + CellSize * j;
  const int y0 = CellSize * (r - viewTopRow[player]);
  Rect destination;
  if (clearMarks[player][r][j] < NotMarked) {
    const int s = static_cast<int>(flashDelay[player]);
    destination = {x0 + s, y0 + s, x0 + CellSize - s, y0 + CellSize - s};
  } else {
    const int dx = cellOffsetX[player][r][j], dy = cellOffsetY[player][r][j];
    destination = {x0 + dx, y0 + dy, x0 + dx + CellSize, y0 + dy + CellSize};
  }
  Rect source = cellSpriteRects[code > LastAnimatedCode ? code : code + animFrame];
  ClipRectToScreen(destination, source);
  DrawSpriteScaled(destination, pictureSurfaces[layout::SpritePicture], source, ScaledKeyed);
}

void DrawPreview(uint8_t player, int animFrame) {
  const int x = currentScene == SceneSolo ? SoloPreviewX : VersusPreviewX;
  int y = PreviewY[player];
  if (player == 0 && currentScene == SceneVersus) y += VersusPlayer0PreviewDrop;
  const Surface* picture = pictureSurfaces[layout::SpritePicture];
  DrawSprite(x, y, picture, cellSpriteRects[nextTop[player] + animFrame], CopyKeyed);
  DrawSprite(x, y + CellSize, picture, cellSpriteRects[nextBottom[player] + animFrame], CopyKeyed);
}

}  // namespace

int WellOriginX(uint8_t player) {
  return currentScene == SceneVersus ? VersusWellX[player] : SoloWellX;
}

void DrawWellFrame(uint8_t player) {
  const Surface* picture = pictureSurfaces[layout::SpritePicture];
  const int originX = WellOriginX(player);
  for (int r = 0; r < FrameRows; ++r) {
    for (int j = 0; j < WellColumns; ++j) {
      DrawSprite(originX + CellSize * j, CellSize * r, picture, layout::frameTileRects[frameTiles[player][r][j]],
                 CopyKeyed);
    }
  }
}

void DrawSidePanel() {
  if (currentScene == SceneSolo) {
    DrawSprite(SoloPanelX, 0, pictureSurfaces[layout::SpritePicture], layout::SoloSidePanel, CopyKeyed);
  } else {
    DrawSprite(VersusPanelX, 0, pictureSurfaces[layout::PanelPicture], layout::VersusSidePanel, CopyKeyed);
  }
}

void DrawWell(uint8_t player) {
  const int animFrame = StepAnimation(blockAnimTick[player]);
  for (int r = 0; r < WellRows; ++r) {
    for (int j = 0; j < WellColumns; ++j) DrawCell(player, r, j, animFrame);
  }
  DrawPreview(player, animFrame);
}

void DrawRaiseGauge(uint8_t player) {
  const Rect source = cellSpriteRects[CellSpecial + StepAnimation(gaugeAnimTick[player])];
  const int opponent = 1 - player;
  const int raises = attackMeter[opponent] / AttackPointsPerRaise;
  const int x = GaugeX[player];
  for (int i = 0; i < raises; ++i) {
    const Rect destination{x, GaugeBottomY - CellSize * i, x + CellSize, GaugeBottomY + CellSize - CellSize * i};
    DrawSpriteScaled(destination, pictureSurfaces[layout::SpritePicture], source, ScaledKeyed);
  }
}
