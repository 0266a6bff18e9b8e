// One number for the whole game state: every value that decides what later
// frames do or show (recording/state_variables.h). Two runs whose hashes
// agree at a frame are, but for a chance of about 2^-64, in the same state.
#pragma once

#include <cstdint>

uint64_t GameStateHash();
