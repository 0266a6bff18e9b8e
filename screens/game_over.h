// The end of a game: the caption, the scatter of the well and the return to the title.
#pragma once

#include <cstdint>

#include "rules/state.h"

extern double gameOverCaptionY;
extern double gameOverCaptionSpeed;
extern uint8_t gameOverCaptionBraking;
extern uint8_t scatterActive;
extern uint8_t scatterInitDone;
extern int scatterDrift[WellRows][WellColumns];
extern double scatterFallSpeed[WellRows][WellColumns];
extern int cellOffsetX[PlayerCount][WellRows][WellColumns];
extern int cellOffsetY[PlayerCount][WellRows][WellColumns];

void PhaseGameOverHandler(uint8_t player);
// Caption and scatter back to their start values, as at the end of every sequence.
void ResetGameOverCaptionAndScatter();
