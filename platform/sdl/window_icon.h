// The window's icon, from a PNG file.
#pragma once

#include <SDL.h>

#include <string>

namespace platform {

// Gives the window the picture in the file; a missing or unreadable file
// leaves the window without an icon of its own.
void SetWindowIconFromFile(SDL_Window* window, const std::string& path);

}  // namespace platform
