// Where the music's General MIDI SoundFont is looked for.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The colon-separated SDL_SOUNDFONTS when set, else the system's usual places.
std::vector<std::string> SoundFontCandidates();

}  // namespace platform
