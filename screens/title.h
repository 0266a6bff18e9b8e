// The title screen: the backdrop shared by every scene, the two logos and the menu.
#pragma once

#include <cstdint>
#include <memory>

constexpr int WaveTableSize = 360;

extern int bgScrollX;
extern int bgScrollY;
extern std::unique_ptr<double[]> waveTable;  // present while the title is shown
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
// Draws the backdrop and moves its scrolling layer on by one step.
void DrawBackdrop();
// Draws the backdrop where it stands.
void DrawStillBackdrop();
void DrawWavyLogo();
void DrawBouncingLogo();
void TitleMenu();
// The bouncing logo starts afresh.
void ResetTitleLogo();
