// The RIFF WAVE reader of the sound effects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sound.h"

enum class WaveReadResult : uint8_t {
  Ok,
  CannotOpen,
  NotWave,    // no top-level RIFF chunk of form "WAVE"
  NoFormat,   // no "fmt " chunk in it
  ShortFormat,
  NoData,     // no "data" chunk after the "fmt " chunk
  ShortData,
};

struct WaveData {
  platform::WaveFormat format;
  std::vector<uint8_t> samples;
};

// A longer effect file is not read.
constexpr size_t MaxWaveFileBytes = 64u << 20;

// Walks the file's chunks: the RIFF "WAVE" chunk, its "fmt " chunk (only the
// 18 bytes of the format record are kept), then a "data" chunk after it.
WaveReadResult ParseWave(const uint8_t* bytes, size_t size, WaveData& wave);
// The same for a file; one that is missing, not a regular file or longer
// than MaxWaveFileBytes cannot be opened.
WaveReadResult ReadWaveFile(const char* fileName, WaveData& wave);

// Plain PCM (or its extensible form) with 1 or 2 channels of 8 or 16 bits, at
// a rate the device takes for an effect.
bool IsPlayableFormat(const platform::WaveFormat& format);
