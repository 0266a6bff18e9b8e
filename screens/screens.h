// The title, speed select, intro and game-over screens and the game drawing.
#pragma once

#include "screens/best_score.h"
#include "screens/counters.h"
#include "screens/game_over.h"
#include "screens/intro.h"
#include "screens/speed_select.h"
#include "screens/title.h"
#include "screens/well_drawing.h"

// Puts every screens variable back to its program-start value.
void ResetScreensState();
