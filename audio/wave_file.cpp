#include "audio/wave_file.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatExtensible = 0xFFFE;
constexpr uint32_t FormatRecordBytes = 18;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct Chunk {
  char id[4];
  uint32_t size = 0;
  uint64_t body = 0;  // offset of the contents

  uint64_t End() const { return body + size + (size & 1); }  // past the pad byte
};

uint32_t Little32(const uint8_t* b) { return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24); }
uint16_t Little16(const uint8_t* b) { return static_cast<uint16_t>(b[0] | (b[1] << 8)); }

bool ReadAt(std::FILE* file, uint64_t offset, void* into, size_t count) {
  if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fread(into, 1, count, file) == count;
}

bool ReadChunkHeader(std::FILE* file, uint64_t offset, Chunk& chunk) {
  uint8_t header[8];
  if (!ReadAt(file, offset, header, sizeof header)) return false;
  std::memcpy(chunk.id, header, 4);
  chunk.size = Little32(header + 4);
  chunk.body = offset + 8;
  return true;
}

// The first chunk named id whose header lies in [from, end).
bool FindChunk(std::FILE* file, uint64_t from, uint64_t end, const char* id, Chunk& found) {
  for (uint64_t at = from; at + 8 <= end;) {
    if (!ReadChunkHeader(file, at, found)) return false;
    if (std::memcmp(found.id, id, 4) == 0) return true;
    at = found.End();
  }
  return false;
}

// The first top-level RIFF chunk of form "WAVE"; its subchunks follow the form type.
bool FindWaveForm(std::FILE* file, uint64_t fileSize, Chunk& riff) {
  for (uint64_t at = 0; at + 12 <= fileSize;) {
    char form[4];
    if (!ReadChunkHeader(file, at, riff) || !ReadAt(file, riff.body, form, 4)) return false;
    if (std::memcmp(riff.id, "RIFF", 4) == 0 && std::memcmp(form, "WAVE", 4) == 0) return true;
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

WaveReadResult ReadWaveFile(const char* fileName, WaveData& wave) {
  File file(std::fopen(fileName, "rb"));
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return WaveReadResult::CannotOpen;
  const long endOffset = std::ftell(file.get());
  if (endOffset < 0) return WaveReadResult::CannotOpen;
  const uint64_t fileSize = static_cast<uint64_t>(endOffset);

  Chunk riff;
  if (!FindWaveForm(file.get(), fileSize, riff)) return WaveReadResult::NotWave;
  const uint64_t formEnd = riff.body + riff.size;

  Chunk fmt;
  if (!FindChunk(file.get(), riff.body + 4, formEnd, "fmt ", fmt)) return WaveReadResult::NoFormat;
  uint8_t record[FormatRecordBytes] = {};
  const uint32_t recordBytes = fmt.size < FormatRecordBytes ? fmt.size : FormatRecordBytes;
  if (fmt.body + fmt.size > fileSize || !ReadAt(file.get(), fmt.body, record, recordBytes)) {
    return WaveReadResult::ShortFormat;
  }
  wave.format = DecodeFormat(record);

  Chunk data;
  if (!FindChunk(file.get(), fmt.End(), formEnd, "data", data)) return WaveReadResult::NoData;
  if (data.body + data.size > fileSize) return WaveReadResult::ShortData;
  wave.samples.assign(data.size, 0);
  if (data.size > 0 && !ReadAt(file.get(), data.body, wave.samples.data(), data.size)) {
    return WaveReadResult::ShortData;
  }
  return WaveReadResult::Ok;
}

bool IsPlayableFormat(const platform::WaveFormat& format) {
  if (format.formatTag != FormatPcm && format.formatTag != FormatExtensible) return false;
  if (format.channels < 1 || format.channels > 2) return false;
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return false;
  if (format.blockAlign != format.channels * format.bitsPerSample / 8) return false;
  return format.samplesPerSec > 0;
}
