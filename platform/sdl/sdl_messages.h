// Which of the game's messages an SDL event stands for.
#pragma once

#include <SDL.h>

#include "platform/platform.h"

namespace platform {

Message MessageFromEvent(const SDL_Event& event);

// Alt+Enter pressed: switch between full screen and a window.
bool IsFullScreenToggle(const SDL_Event& event);

}  // namespace platform
