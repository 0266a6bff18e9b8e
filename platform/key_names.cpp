#include "platform/key_names.h"

#include <SDL.h>

namespace platform {

bool KeyFromName(const std::string& name, KeyCode& key) {
  const SDL_Scancode code = SDL_GetScancodeFromName(name.c_str());
  if (code == SDL_SCANCODE_UNKNOWN || code >= KeyCodeCount) return false;
  key = static_cast<KeyCode>(code);
  return true;
}

std::string KeyName(KeyCode key) { return SDL_GetScancodeName(static_cast<SDL_Scancode>(key)); }

}  // namespace platform
