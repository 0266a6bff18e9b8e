#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_controls.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_host.h"

namespace platform {

void InstallSdlBackend(const ScreenOptions& screen) {
  // The second player's pad is read like the keys, whichever window has the focus.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // Destroyed in reverse order at exit: the controls, the renderer, then the window.
  static SdlHost host;
  static SdlDisplay display(host);
  static SdlControls controls;
  host.AttachDisplay(&display);
  host.SetScreenOptions(screen);
  Install(Facilities{&host, &display, &controls, &SdlSoundDevice(), &SdlMusicDevice()});
}

}  // namespace platform
