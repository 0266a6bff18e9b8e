#include "rules/state.h"

#include <cstring>

uint8_t well[PlayerCount][WellRows][WellColumns];
uint8_t clearMarks[PlayerCount][WellRows][WellColumns];

uint8_t pairTopRow[PlayerCount];
uint8_t pairTopCol[PlayerCount];
uint8_t pairBottomRow[PlayerCount];
uint8_t pairBottomCol[PlayerCount];

uint8_t nextTop[PlayerCount];
uint8_t nextBottom[PlayerCount];
uint8_t nextPairReady[PlayerCount];

uint8_t playerPhase[PlayerCount];
uint8_t spawnRow[PlayerCount];
uint8_t viewTopRow[PlayerCount];
uint8_t raisedRows[PlayerCount];
uint8_t frameTiles[PlayerCount][FrameRows][WellColumns];
uint32_t lastFallTime[PlayerCount];
uint8_t fallStep[PlayerCount];
uint8_t dropRequested[PlayerCount];
uint8_t repeatCount[PlayerCount][4];
uint8_t chainCount[PlayerCount];
uint8_t bestChain[PlayerCount];
float flashDelay[PlayerCount];
uint8_t flashRunning[PlayerCount];
uint8_t flashTicks[PlayerCount];
uint8_t flashFrame[PlayerCount];
int32_t clearedBlocks[PlayerCount];
uint8_t turnClearCount[PlayerCount];
uint8_t attackMeter[PlayerCount];

int32_t score;
int32_t fallInterval;
uint8_t specialsEarned;
uint8_t specialPending;
uint8_t effectLatch;
uint32_t randomState;

namespace {

// Walls and floor around an empty well; a frame of side walls over a floor row.
void SetStartWellsAndFrames() {
  for (int p = 0; p < PlayerCount; ++p) {
    for (int r = 0; r < WellRows; ++r) {
      for (int c = 0; c < WellColumns; ++c) {
        const bool edge = c == 0 || c == WellColumns - 1 || r == WellRows - 1;
        well[p][r][c] = edge ? CellWall : CellEmpty;
      }
    }
    for (int r = 0; r < FrameRows; ++r) {
      for (int c = 0; c < WellColumns; ++c) {
        uint8_t tile = TileInside;
        if (r == FrameRows - 1) {
          tile = c == 0 ? TileBottomLeft : c == WellColumns - 1 ? TileBottomRight : TileFloor;
        } else if (c == 0 || c == WellColumns - 1) {
          tile = TileSideWall;
        }
        frameTiles[p][r][c] = tile;
      }
    }
  }
}

struct StartValues {
  StartValues() { ResetRulesState(); }
} startValues;

}  // namespace

void ResetRulesState() {
  std::memset(clearMarks, 0, sizeof clearMarks);
  std::memset(pairTopRow, 0, sizeof pairTopRow);
  std::memset(pairTopCol, 0, sizeof pairTopCol);
  std::memset(pairBottomRow, 0, sizeof pairBottomRow);
  std::memset(pairBottomCol, 0, sizeof pairBottomCol);
  std::memset(nextTop, 0, sizeof nextTop);
  std::memset(nextBottom, 0, sizeof nextBottom);
  std::memset(nextPairReady, 0, sizeof nextPairReady);
  std::memset(playerPhase, 0, sizeof playerPhase);
  std::memset(spawnRow, 0, sizeof spawnRow);
  std::memset(viewTopRow, 1, sizeof viewTopRow);
  std::memset(raisedRows, 0, sizeof raisedRows);
  std::memset(lastFallTime, 0, sizeof lastFallTime);
  std::memset(fallStep, 0, sizeof fallStep);
  std::memset(dropRequested, 0, sizeof dropRequested);
  std::memset(repeatCount, 0, sizeof repeatCount);
  std::memset(chainCount, 0, sizeof chainCount);
  std::memset(bestChain, 0, sizeof bestChain);
  for (float& delay : flashDelay) delay = 0.0f;
  std::memset(flashRunning, 0, sizeof flashRunning);
  std::memset(flashTicks, 0, sizeof flashTicks);
  std::memset(flashFrame, 0, sizeof flashFrame);
  std::memset(clearedBlocks, 0, sizeof clearedBlocks);
  std::memset(turnClearCount, 0, sizeof turnClearCount);
  std::memset(attackMeter, 0, sizeof attackMeter);
  score = 0;
  fallInterval = StartFallInterval;
  specialsEarned = 0;
  specialPending = 0;
  effectLatch = 0;
  randomState = 1;
  SetStartWellsAndFrames();
}
