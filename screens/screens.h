// The title, speed select, intro and game-over screens and the game drawing.
#pragma once

#include <cstdint>

// Title screen.
extern int bgScrollX;
extern int bgScrollY;
extern double* waveTable;
extern int wavePhase[89];
extern uint8_t waveLines;
extern uint8_t waveTick;
extern int logoY;
extern int logoVelocity;
extern int logoGravity;
extern int logoFrames;
extern int menuSelection;
extern uint8_t menuRepeat;
extern int menuCursorTick;
extern uint8_t menuCursorOffset;

void TitleScene();
void DrawBackdrop();
void DrawWavyLogo();
void DrawBouncingLogo();
void TitleMenu();
// The bouncing logo starts afresh.
void ResetTitleLogo();

// Speed select.
extern int speedCursorX;
extern uint8_t speedRepeat;

void SpeedSelectScene();

// Intro and game over.
void PhaseIntroHandler(uint8_t player);
void PhaseGameOverHandler(uint8_t player);

extern int bestScore;
void ReadBestScore();
void WriteBestScore(int value);

// Wells and counters.
void DrawWellFrame(uint8_t player);
void DrawSidePanel();
void DrawWell(uint8_t player);
void DrawRaiseGauge(uint8_t player);
void DrawClearedCount(uint8_t player);
void DrawSpeedLevel();
void DrawBestChain(uint8_t player);
void DrawScore();
void DrawBestScore();

// Puts every screens variable back to its program-start value.
void ResetScreensState();
