#include "tools/datagen/wave_writer.h"

namespace {

constexpr uint16_t PcmFormatTag = 1;
constexpr uint16_t BytesPerSample = 2;
constexpr uint32_t FmtChunkSize = 16;

}  // namespace

Bytes EncodeMonoWave(const std::vector<int16_t>& samples, uint32_t samplesPerSecond) {
  // 16-bit samples always give an even data size, so the chunk needs no pad byte.
  const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * BytesPerSample;
  ByteWriter out;
  out.PutText("RIFF");
  out.PutU32LE(4 + (8 + FmtChunkSize) + (8 + dataSize));
  out.PutText("WAVE");

  out.PutText("fmt ");
  out.PutU32LE(FmtChunkSize);
  out.PutU16LE(PcmFormatTag);
  out.PutU16LE(1);  // mono
  out.PutU32LE(samplesPerSecond);
  out.PutU32LE(samplesPerSecond * BytesPerSample);
  out.PutU16LE(BytesPerSample);
  out.PutU16LE(8 * BytesPerSample);

  out.PutText("data");
  out.PutU32LE(dataSize);
  for (int16_t sample : samples) out.PutU16LE(static_cast<uint16_t>(sample));
  return out.bytes();
}
