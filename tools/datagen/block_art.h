// The ordinary blocks' art as a shape, for pictures beyond the game's own.
#pragma once

#include "tools/datagen/canvas.h"

constexpr int BlockArtSize = 32;

// Block kind 0 to 11 in its first animation frame, at (x, y) in pixels of
// its 32 x 32 sprite.
Sample RestingBlock(int kind, double x, double y);
