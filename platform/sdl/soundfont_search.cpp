#include "platform/sdl/soundfont_search.h"

#include <cstdlib>

namespace platform {

namespace {
const char* const SystemSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};
}  // namespace

std::vector<std::string> SoundFontCandidates() {
  const char* list = std::getenv("SDL_SOUNDFONTS");
  if (list == nullptr) return std::vector<std::string>(std::begin(SystemSoundFonts), std::end(SystemSoundFonts));
  std::vector<std::string> paths;
  std::string rest = list;
  for (size_t start = 0; start <= rest.size();) {
    size_t colon = rest.find(':', start);
    if (colon == std::string::npos) colon = rest.size();
    if (colon > start) paths.push_back(rest.substr(start, colon - start));
    start = colon + 1;
  }
  return paths;
}

}  // namespace platform
