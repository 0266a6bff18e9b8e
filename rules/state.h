// The wells, the falling pairs and every per-player and game-wide counter.
#pragma once

#include <cstdint>

constexpr int PlayerCount = 2;
constexpr int WellRows = 16;
constexpr int WellColumns = 9;
constexpr int FrameRows = 15;

// Cell codes.
constexpr uint8_t CellSpecial = 48;   // a special block as it enters the game
constexpr uint8_t CellFlash = 64;     // first flash picture
constexpr uint8_t CellBlockLimit = 70;  // codes below hold a block
constexpr uint8_t CellWall = 80;
constexpr uint8_t CellEmpty = 90;
constexpr uint8_t NotMarked = 70;     // clearMarks value of a cell in no run

// Player phases.
constexpr uint8_t PhaseIntro = 0;
constexpr uint8_t PhaseSpawn = 1;
constexpr uint8_t PhaseFalling = 2;
constexpr uint8_t PhaseResolve = 3;
constexpr uint8_t PhaseFlash = 4;
constexpr uint8_t PhaseCollapse = 5;
constexpr uint8_t PhaseGameOver = 6;

// Frame tiles.
constexpr uint8_t TileInside = 0;
constexpr uint8_t TileFloor = 1;
constexpr uint8_t TileSideWall = 2;
constexpr uint8_t TileBottomLeft = 3;
constexpr uint8_t TileBottomRight = 4;

constexpr int32_t StartFallInterval = 150;

extern uint8_t well[PlayerCount][WellRows][WellColumns];
extern uint8_t clearMarks[PlayerCount][WellRows][WellColumns];

extern uint8_t pairTopRow[PlayerCount];
extern uint8_t pairTopCol[PlayerCount];
extern uint8_t pairBottomRow[PlayerCount];
extern uint8_t pairBottomCol[PlayerCount];

extern uint8_t nextTop[PlayerCount];
extern uint8_t nextBottom[PlayerCount];
extern uint8_t nextPairReady[PlayerCount];

extern uint8_t playerPhase[PlayerCount];
extern uint8_t spawnRow[PlayerCount];
extern uint8_t viewTopRow[PlayerCount];
extern uint8_t raisedRows[PlayerCount];
extern uint8_t frameTiles[PlayerCount][FrameRows][WellColumns];
extern uint32_t lastFallTime[PlayerCount];
extern uint8_t fallStep[PlayerCount];
extern uint8_t dropRequested[PlayerCount];
extern uint8_t repeatCount[PlayerCount][4];
extern uint8_t chainCount[PlayerCount];
extern uint8_t bestChain[PlayerCount];
extern float flashDelay[PlayerCount];
extern uint8_t flashRunning[PlayerCount];
extern uint8_t flashTicks[PlayerCount];
extern uint8_t flashFrame[PlayerCount];
extern int32_t clearedBlocks[PlayerCount];
extern uint8_t turnClearCount[PlayerCount];
extern uint8_t attackMeter[PlayerCount];

extern int32_t score;
extern int32_t fallInterval;
extern uint8_t specialsEarned;
extern uint8_t specialPending;
extern uint8_t effectLatch;
extern uint32_t randomState;

// Puts every rules variable back to its program-start value.
void ResetRulesState();
