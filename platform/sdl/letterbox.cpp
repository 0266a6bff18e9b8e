#include "platform/sdl/letterbox.h"

#include <algorithm>

namespace platform {

ScreenArea LetterboxArea(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight, Scaling scaling) {
  ScreenArea area;
  const int scale = std::min(screenWidth / pictureWidth, screenHeight / pictureHeight);
  if (scale >= 1 && scaling == Scaling::Integer) {
    area.width = pictureWidth * scale;
    area.height = pictureHeight * scale;
  } else if (screenWidth * pictureHeight < screenHeight * pictureWidth) {
    area.width = screenWidth;
    area.height = screenWidth * pictureHeight / pictureWidth;
  } else {
    area.height = screenHeight;
    area.width = screenHeight * pictureWidth / pictureHeight;
  }
  area.x = (screenWidth - area.width) / 2;
  area.y = (screenHeight - area.height) / 2;
  return area;
}

}  // namespace platform
