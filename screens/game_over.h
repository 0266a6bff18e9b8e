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

// The phase handler; it lives in a namespace because the phase values of
// rules/state.h carry the same name.
namespace handlers {
void PhaseGameOver(uint8_t player);
}  // namespace handlers
// Caption and scatter back to their start values, as at the end of every sequence.
void ResetGameOverCaptionAndScatter();
