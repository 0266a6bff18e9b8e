// The opening animation of a game: two captions rise through the screen.
#pragma once

#include <cstdint>

extern double introCaptionY[2];
extern double introCaptionSpeed[2];
extern uint8_t introCaption1Braking;
extern uint8_t introCaption2Braking;
extern uint8_t introCaption2Active;

void PhaseIntroHandler(uint8_t player);
// The captions back to their start values, as at the end of every intro.
void ResetIntroState();
