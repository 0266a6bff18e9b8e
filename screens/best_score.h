// The best solo score and its file: a signed 32-bit little-endian value
// written with text-mode line ends (each 0x0A byte stored as 0x0D 0x0A).
#pragma once

#include <cstdint>
#include <vector>

extern int bestScore;
// False while a recorded game is played back or a network session runs: the
// file is then neither read nor written, and bestScore keeps the value the
// recording or the session gave it.
extern bool bestScoreFileInUse;

// Reads the file into bestScore; a missing file leaves it as it is.
void ReadBestScore();
// Replaces the file with value; on failure the old file stays and nothing is said.
void WriteBestScore(int value);

// The file's bytes for a value, and the value of a file's bytes (-1 when short).
std::vector<uint8_t> EncodeBestScore(int32_t value);
int32_t DecodeBestScore(const std::vector<uint8_t>& bytes);
