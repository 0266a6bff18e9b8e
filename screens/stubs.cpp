// Placeholders until the screens are written.
#include "screens/screens.h"

int bgScrollX;
int bgScrollY;
double* waveTable;
int wavePhase[89];
uint8_t waveLines;
uint8_t waveTick;
int logoY = -160;
int logoVelocity = 3;
int logoGravity = 1;
int logoFrames;
int menuSelection;
uint8_t menuRepeat;
int menuCursorTick;
uint8_t menuCursorOffset;
int speedCursorX = 52;
uint8_t speedRepeat;
int bestScore;

void TitleScene() {}
void DrawBackdrop() {}
void DrawWavyLogo() {}
void DrawBouncingLogo() {}
void TitleMenu() {}
void ResetTitleLogo() {}
void SpeedSelectScene() {}
void PhaseIntroHandler(uint8_t) {}
void PhaseGameOverHandler(uint8_t) {}
void ReadBestScore() {}
void WriteBestScore(int) {}
void DrawWellFrame(uint8_t) {}
void DrawSidePanel() {}
void DrawWell(uint8_t) {}
void DrawRaiseGauge(uint8_t) {}
void DrawClearedCount(uint8_t) {}
void DrawSpeedLevel() {}
void DrawBestChain(uint8_t) {}
void DrawScore() {}
void DrawBestScore() {}
void ResetScreensState() {}
