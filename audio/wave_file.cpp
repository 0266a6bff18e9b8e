#include "audio/wave_file.h"

#include <algorithm>
#include <cstring>

#include "platform/effect_limits.h"
#include "platform/regular_file.h"

namespace {

constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatExtensible = 0xFFFE;
constexpr uint32_t FormatRecordBytes = 18;

struct Chunk {
  char id[4];
  uint32_t size = 0;
  uint64_t body = 0;  // offset of the contents

  uint64_t End() const { return body + size + (size & 1); }  // past the pad byte
};

uint32_t Little32(const uint8_t* b) { return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24); }
uint16_t Little16(const uint8_t* b) { return static_cast<uint16_t>(b[0] | (b[1] << 8)); }

// The file's bytes; every offset is checked against its length before use.
struct Bytes {
  const uint8_t* data;
  uint64_t size;

  bool Holds(uint64_t offset, uint64_t count) const { return offset <= size && count <= size - offset; }
};

bool ReadChunkHeader(const Bytes& file, uint64_t offset, Chunk& chunk) {
  if (!file.Holds(offset, 8)) return false;
  std::memcpy(chunk.id, file.data + offset, 4);
  chunk.size = Little32(file.data + offset + 4);
  chunk.body = offset + 8;
  return true;
}

// The first chunk named id whose header lies in [from, end).
bool FindChunk(const Bytes& file, uint64_t from, uint64_t end, const char* id, Chunk& found) {
  for (uint64_t at = from; at + 8 <= end;) {
    if (!ReadChunkHeader(file, at, found)) return false;
    if (std::memcmp(found.id, id, 4) == 0) return true;
    at = found.End();
  }
  return false;
}

// The first top-level RIFF chunk of form "WAVE"; its subchunks follow the form type.
bool FindWaveForm(const Bytes& file, Chunk& riff) {
  for (uint64_t at = 0; at + 12 <= file.size;) {
    if (!ReadChunkHeader(file, at, riff) || !file.Holds(riff.body, 4)) return false;
    if (std::memcmp(riff.id, "RIFF", 4) == 0 && std::memcmp(file.data + riff.body, "WAVE", 4) == 0) return true;
    at = riff.End();
  }
  return false;
}

platform::WaveFormat DecodeFormat(const uint8_t* record) {
  platform::WaveFormat format;
  format.formatTag = Little16(record);
  format.channels = Little16(record + 2);
  format.samplesPerSec = Little32(record + 4);
  format.avgBytesPerSec = Little32(record + 8);
  format.blockAlign = Little16(record + 12);
  format.bitsPerSample = Little16(record + 14);
  format.extraSize = Little16(record + 16);
  return format;
}

}  // namespace

WaveReadResult ParseWave(const uint8_t* bytes, size_t size, WaveData& wave) {
  const Bytes file{bytes, size};
  Chunk riff;
  if (!FindWaveForm(file, riff)) return WaveReadResult::NotWave;
  const uint64_t formEnd = riff.body + riff.size;

  Chunk fmt;
  if (!FindChunk(file, riff.body + 4, formEnd, "fmt ", fmt)) return WaveReadResult::NoFormat;
  if (!file.Holds(fmt.body, fmt.size)) return WaveReadResult::ShortFormat;
  uint8_t record[FormatRecordBytes] = {};
  std::memcpy(record, file.data + fmt.body, std::min<uint32_t>(fmt.size, FormatRecordBytes));
  wave.format = DecodeFormat(record);

  Chunk data;
  if (!FindChunk(file, fmt.End(), formEnd, "data", data)) return WaveReadResult::NoData;
  if (!file.Holds(data.body, data.size)) return WaveReadResult::ShortData;
  wave.samples.assign(file.data + data.body, file.data + data.body + data.size);
  return WaveReadResult::Ok;
}

WaveReadResult ReadWaveFile(const char* fileName, WaveData& wave) {
  std::vector<uint8_t> bytes;
  if (platform::ReadRegularFile(fileName, MaxWaveFileBytes, bytes) != platform::FileReadResult::Ok) {
    return WaveReadResult::CannotOpen;
  }
  return ParseWave(bytes.data(), bytes.size(), wave);
}

bool IsPlayableFormat(const platform::WaveFormat& format) {
  if (format.formatTag != FormatPcm && format.formatTag != FormatExtensible) return false;
  if (format.channels < 1 || format.channels > 2) return false;
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return false;
  if (format.blockAlign != format.channels * format.bitsPerSample / 8) return false;
  return format.samplesPerSec >= platform::LowestEffectRate && format.samplesPerSec <= platform::HighestEffectRate;
}
