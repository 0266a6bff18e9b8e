// Where the game's picture goes on a screen of another size.
#pragma once

#include "platform/platform.h"

namespace platform {

struct ScreenArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const ScreenArea&, const ScreenArea&) = default;
};

// Centred with its aspect kept. Integer: the largest whole multiple of the
// picture that fits, or, on a screen smaller than the picture, the largest
// fit. Fit: always the largest fit.
ScreenArea LetterboxArea(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight,
                         Scaling scaling = Scaling::Integer);

}  // namespace platform
