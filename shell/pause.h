// The pause of a game: handlers, fall timer, music and effects stand still
// and a caption hides each well, until the pause key is pressed again.
#pragma once

extern bool gamePaused;

// Stops or resumes the game; outside the two game scenes it does nothing.
void TogglePause();
