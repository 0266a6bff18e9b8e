#include "platform/sdl/window_icon.h"

#include "platform/png_file.h"

namespace platform {

void SetWindowIconFromFile(SDL_Window* window, const std::string& path) {
  PngPicture picture;
  if (path.empty() || !ReadPng(path, picture)) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(picture.rgba.data(), picture.width, picture.height, 32,
                                                         picture.width * 4, SDL_PIXELFORMAT_RGBA32);
  if (icon == nullptr) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace platform
