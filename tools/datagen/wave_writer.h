// RIFF WAVE encoding of 16-bit PCM sound.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/datagen/byte_writer.h"

// A complete mono 16-bit PCM RIFF WAVE file: RIFF header, 16-byte fmt chunk, data chunk.
Bytes EncodeMonoWave(const std::vector<int16_t>& samples, uint32_t samplesPerSecond);
