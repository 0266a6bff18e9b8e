#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/effect_limits.h"
#include "platform/sdl/effect_conversion.h"

namespace {

using platform::WaveFormat;

constexpr int DeviceRate = 44100;

WaveFormat Mono8(uint32_t rate) {
  WaveFormat f;
  f.formatTag = 1;
  f.channels = 1;
  f.samplesPerSec = rate;
  f.blockAlign = 1;
  f.avgBytesPerSec = rate;
  f.bitsPerSample = 8;
  return f;
}

bool Convert(const WaveFormat& format, size_t bytes, std::vector<uint8_t>& out) {
  const std::vector<uint8_t> samples(bytes, 0x90);
  return platform::ConvertEffectSamples(format, samples.data(), samples.size(), AUDIO_S16SYS, 2, DeviceRate, out);
}

TEST(EffectConversion, RatesABufferTakesConvertOthersAreRefused) {
  std::vector<uint8_t> out;
  // 8-bit mono at 100 Hz grows 441 times in frames and 4 times per frame.
  ASSERT_TRUE(Convert(Mono8(platform::LowestEffectRate), 1000, out));
  EXPECT_NEAR(static_cast<double>(out.size()), 1000.0 * 441 * 4, 1000.0 * 441 * 4 * 0.01);
  EXPECT_TRUE(Convert(Mono8(platform::HighestEffectRate), 1000, out));
  // One sample a second used to ask for a working buffer of gigabytes.
  EXPECT_FALSE(Convert(Mono8(1), 4096, out));
  EXPECT_FALSE(Convert(Mono8(platform::LowestEffectRate - 1), 1000, out));
  EXPECT_FALSE(Convert(Mono8(platform::HighestEffectRate + 1), 1000, out));
}

TEST(EffectConversion, ConversionsPastTheSizeBoundAreRefused) {
  std::vector<uint8_t> out;
  // 10,000 bytes at 100 Hz would need about 70 MB of room.
  EXPECT_FALSE(Convert(Mono8(platform::LowestEffectRate), 10000, out));
  EXPECT_TRUE(platform::EffectConversionFits(platform::MaxEffectConversionBytes, 1));
  EXPECT_FALSE(platform::EffectConversionFits(UINT64_MAX, 2));
}

}  // namespace
