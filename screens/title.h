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
void DrawBackdrop();
void DrawWavyLogo();
void DrawBouncingLogo();
void TitleMenu();
// The bouncing logo starts afresh.
void ResetTitleLogo();

// The two returns to the title (a speed chosen, a game over): the title
// becomes the scene and is revealed, with the title music only after a game.
void ShowTitleAfterChange(bool startTitleMusic);
