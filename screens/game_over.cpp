#include "screens/game_over.h"

#include <cstring>

#include "audio/music.h"
#include "audio/sound.h"
#include "rules/phases.h"
#include "screens/best_score.h"
#include "screens/caption_motion.h"
#include "screens/sprite_layout.h"
#include "shell/logic_clock.h"
#include "shell/scenes.h"
#include "video/blit.h"
#include "video/picture.h"

namespace {

constexpr double CaptionStartY = 480.0;
constexpr double CaptionStartSpeed = 10.0;
constexpr double ScatterBelowY = 100.0;
constexpr double GameEndY = -100.0;
constexpr double FallAcceleration = 0.2;
constexpr int SoloCaptionX = 142;
constexpr int VersusCaptionX[PlayerCount] = {0, 280};
// The well rows and the inner columns that hold blocks; the walls stay.
constexpr int PlayRows = WellRows - 1;
constexpr int FirstInnerColumn = 1, LastInnerColumn = WellColumns - 2;
constexpr int FramePlayRows = FrameRows - 1;

int CaptionX(uint8_t player) { return currentScene == SceneSolo ? SoloCaptionX : VersusCaptionX[player]; }

void ScatterWell(uint8_t player) {
  // Reseeded every frame; the draws are used only on the first.
  SeedBlockRandom(static_cast<uint32_t>(LogicCalendarSeconds()));
  for (int i = 0; i < WellRows; ++i) {
    for (int j = 0; j < WellColumns; ++j) {
      if (scatterInitDone == 0) {
        scatterDrift[i][j] = static_cast<int>(NextBlockRandom() % 3) - 1;
        scatterFallSpeed[i][j] = static_cast<double>(NextBlockRandom() % 6 + 1);
      }
      cellOffsetX[player][i][j] += scatterDrift[i][j];
      scatterFallSpeed[i][j] += FallAcceleration;
      cellOffsetY[player][i][j] += static_cast<int>(scatterFallSpeed[i][j]);
    }
  }
  scatterInitDone = 1;
}

void EmptyWell(uint8_t player) {
  for (int r = 0; r < PlayRows; ++r) {
    for (int c = FirstInnerColumn; c <= LastInnerColumn; ++c) well[player][r][c] = CellEmpty;
  }
}

void ClearOffsets(uint8_t player) {
  std::memset(cellOffsetX[player], 0, sizeof cellOffsetX[player]);
  std::memset(cellOffsetY[player], 0, sizeof cellOffsetY[player]);
}

void EndSoloGame(uint8_t player) {
  if (bestScore < score) WriteBestScore(score);
  score = 0;
  ResetGameOverCaptionAndScatter();
  ClearOffsets(player);
  EmptyWell(player);
  effectLatch = 0;
  specialPending = 0;
  clearedBlocks[player] = 0;
  fallInterval = StartFallInterval;
  specialsEarned = 0;
  ReturnToTitle(MusicTitle);
}

void EndVersusGame(uint8_t player) {
  score = 0;
  ResetGameOverCaptionAndScatter();
  ClearOffsets(player);
  effectLatch = 0;
  for (uint8_t p = 0; p < PlayerCount; ++p) {
    EmptyWell(p);
    clearedBlocks[p] = 0;
    attackMeter[p] = 0;
    viewTopRow[p] = 1;
    spawnRow[p] = 0;
    raisedRows[p] = 0;
    // The raised floor rows go; the side walls and the bottom row stay.
    for (int r = 0; r < FramePlayRows; ++r) {
      for (int c = FirstInnerColumn; c <= LastInnerColumn; ++c) frameTiles[p][r][c] = TileInside;
    }
  }
  fallInterval = StartFallInterval;
  specialsEarned = 0;
  ReturnToTitle(MusicTitle);
}

}  // namespace

double gameOverCaptionY = CaptionStartY;
double gameOverCaptionSpeed = CaptionStartSpeed;
uint8_t gameOverCaptionBraking = 0;
uint8_t scatterActive = 0;
uint8_t scatterInitDone = 0;
int scatterDrift[WellRows][WellColumns] = {};
double scatterFallSpeed[WellRows][WellColumns] = {};
int cellOffsetX[PlayerCount][WellRows][WellColumns] = {};
int cellOffsetY[PlayerCount][WellRows][WellColumns] = {};

void ResetGameOverCaptionAndScatter() {
  gameOverCaptionY = CaptionStartY;
  gameOverCaptionSpeed = CaptionStartSpeed;
  gameOverCaptionBraking = 0;
  scatterActive = 0;
  scatterInitDone = 0;
}

void PhaseGameOverHandler(uint8_t player) {
  if (effectLatch == 0) {
    PlayEffect(SfxGameOver);
    effectLatch = 1;
  }
  // The scatter test looks at where the caption was drawn last frame.
  if (gameOverCaptionY < ScatterBelowY) scatterActive = 1;
  MoveCaption(gameOverCaptionY, gameOverCaptionSpeed, gameOverCaptionBraking);
  DrawSpriteClipped(CaptionX(player), static_cast<int>(gameOverCaptionY), pictureSurfaces[layout::SpritePicture],
                    layout::GameOverCaption, CopyKeyed);
  if (scatterActive == 1) ScatterWell(player);
  if (gameOverCaptionY < GameEndY) {
    if (currentScene == SceneSolo) {
      EndSoloGame(player);
    } else if (currentScene == SceneVersus) {
      EndVersusGame(player);
    }
  }
}
