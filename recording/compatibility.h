// Whether a recording can be played by this program with its data.
#pragma once

#include <cstdint>
#include <string>

#include "recording/recording.h"

// The game's version, as the build gives it.
extern const char* const GameVersion;

// Empty when the recording can be played; else why not: it was made by a
// game of another major version, or with other data (dataChecksum is
// DataFilesChecksum() of the data in use).
std::string Incompatibility(const Recording& recording, uint64_t dataChecksum);
