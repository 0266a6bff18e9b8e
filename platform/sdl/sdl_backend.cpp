#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_controls.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_host.h"

namespace platform {

namespace {

// The window's class (X11) and application id (Wayland), which the desktop
// entry's StartupWMClass names; SDL reads it from this variable.
constexpr const char* WindowClassVariable = "SDL_VIDEO_X11_WMCLASS";
constexpr const char* WindowClass = "kerzonk";
constexpr const char* ApplicationName = "Kerzonk";

}  // namespace

void InstallSdlBackend(const SdlOptions& options) {
  // The second player's pad is read like the keys, whichever window has the focus.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // A pad's A and B are its lower and right face buttons on every pad, as
  // on Xbox pads, rather than the buttons printed A and B on Nintendo's.
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  SDL_setenv(WindowClassVariable, WindowClass, 0);
  SDL_SetHint(SDL_HINT_APP_NAME, ApplicationName);
  // Destroyed in reverse order at exit: the controls, the renderer, then the window.
  static SdlHost host;
  static SdlDisplay display(host);
  static SdlControls controls;
  host.AttachDisplay(&display);
  host.ChooseWindow(options.screen, options.iconFile);
  Install(Facilities{&host, &display, &controls, &SdlSoundDevice(), &SdlMusicDevice()});
}

}  // namespace platform
