// The picture of a paused game: the backdrop standing still, the empty well
// frames and the side panel, and a "PAUSE" caption over each well.
#pragma once

void DrawPausedGame();
