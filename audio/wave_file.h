// The RIFF WAVE reader of the sound effects.
#pragma once

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

// Walks the file's chunks: the RIFF "WAVE" chunk, its "fmt " chunk (only the
// 18 bytes of the format record are kept), then a "data" chunk after it.
WaveReadResult ReadWaveFile(const char* fileName, WaveData& wave);

// Plain PCM (or its extensible form) with 1 or 2 channels of 8 or 16 bits.
bool IsPlayableFormat(const platform::WaveFormat& format);
