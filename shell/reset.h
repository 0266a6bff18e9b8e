// Puts every global of the game back to its program-start value, releasing
// the display, sound and music first. For tests and replays, which run many
// games in one process.
#pragma once

void ResetGameState();

// Takes the game back to where it stands after start-up, the title before
// its first frame with the title music starting afresh, keeping the
// display, pictures, sound, music, settings and key bindings.
void RestartGame();
