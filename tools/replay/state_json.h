// The game state at the end of a frame as one line of JSON, keyed by the
// game's own variable names.
#pragma once

#include <cstdint>
#include <string>

std::string GameStateJson(uint32_t frame);
