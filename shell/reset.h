// Puts every global of the game back to its program-start value, releasing
// the display, sound and music first. For tests and replays, which run many
// games in one process.
#pragma once

void ResetGameState();
