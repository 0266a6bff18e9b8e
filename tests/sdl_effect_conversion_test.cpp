#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/effect_limits.h"
#include "platform/sdl/effect_conversion.h"

namespace {

// 8-bit mono samples at the given rate, converted to 44100 Hz 16-bit stereo.
bool Convert(uint32_t rate, size_t bytes, std::vector<uint8_t>& out) {
  const platform::WaveFormat mono8{1, 1, rate, rate, 1, 8, 0};
  const std::vector<uint8_t> samples(bytes, 0x90);
  return platform::ConvertEffectSamples(mono8, samples.data(), samples.size(), AUDIO_S16SYS, 2, 44100, out);
}

TEST(EffectConversion, RatesABufferTakesWithinTheSizeBound) {
  std::vector<uint8_t> out;
  // At 100 Hz each byte becomes 441 frames of 4 bytes.
  ASSERT_TRUE(Convert(platform::LowestEffectRate, 1000, out));
  EXPECT_NEAR(static_cast<double>(out.size()), 1000.0 * 441 * 4, 1000.0 * 441 * 4 * 0.01);
  EXPECT_TRUE(Convert(platform::HighestEffectRate, 1000, out));
  // One sample a second used to ask for a working buffer of gigabytes.
  EXPECT_FALSE(Convert(1, 4096, out));
  EXPECT_FALSE(Convert(platform::LowestEffectRate - 1, 1000, out));
  EXPECT_FALSE(Convert(platform::HighestEffectRate + 1, 1000, out));
  // 10,000 bytes at 100 Hz would need about 70 MB of room.
  EXPECT_FALSE(Convert(platform::LowestEffectRate, 10000, out));
  EXPECT_FALSE(platform::EffectConversionFits(UINT64_MAX, 2));
}

}  // namespace
