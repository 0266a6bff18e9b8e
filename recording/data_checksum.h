// A checksum of the game's data files (its pictures, effects and music, by
// the names in shell/file_names.h) as they are in the current folder, so
// that a game recorded with one set of data is not played with another.
#pragma once

#include <cstdint>

// Each file counts with its name, its length and its bytes; a missing file,
// one that is no regular file, or one past 64 MB counts as such without
// being read (further).
uint64_t DataFilesChecksum();
