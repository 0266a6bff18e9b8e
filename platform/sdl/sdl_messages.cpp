#include "platform/sdl/sdl_messages.h"

namespace platform {

namespace {

Message FromWindowEvent(const SDL_WindowEvent& window) {
  switch (window.event) {
    // A bare X server without a window manager never reports focus, so the
    // window being shown counts as activation too.
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_RESTORED:
      return Message{MessageKind::Activate, 1};
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
      return Message{MessageKind::Activate, 0};
    default:
      return Message{};
  }
}

}  // namespace

Message MessageFromEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:  // window closed, SIGINT or SIGTERM
      return Message{MessageKind::Destroy, 0};
    case SDL_KEYDOWN:
      if (event.key.keysym.sym == SDLK_ESCAPE) return Message{MessageKind::EscapeKey, 0};
      return Message{};
    case SDL_WINDOWEVENT:
      return FromWindowEvent(event.window);
    default:
      return Message{};
  }
}

bool IsFullScreenToggle(const SDL_Event& event) {
  return event.type == SDL_KEYDOWN && event.key.repeat == 0 &&
         (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) &&
         (event.key.keysym.mod & KMOD_ALT) != 0;
}

}  // namespace platform
