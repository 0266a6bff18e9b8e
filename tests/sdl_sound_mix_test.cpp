#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/sdl/sdl_audio.h"

namespace {

using platform::WaveFormat;

constexpr double Gain = 0.398107;  // 10^(-800 / 2000)
constexpr int RampStart = 256;

// The left channel of everything the mixer sends to the device.
struct Capture {
  std::mutex lock;
  std::vector<int16_t> left;
  size_t limit = 44100 * 3;

  static void Collect(void* self, Uint8* stream, int bytes) {
    auto* capture = static_cast<Capture*>(self);
    const auto* samples = reinterpret_cast<const int16_t*>(stream);
    std::lock_guard<std::mutex> hold(capture->lock);
    for (int i = 0; i < bytes / 4 && capture->left.size() < capture->limit; ++i) {
      capture->left.push_back(samples[2 * i]);
    }
  }
  size_t Size() {
    std::lock_guard<std::mutex> hold(lock);
    return left.size();
  }
  void WaitFor(size_t frames) {
    while (Size() < frames) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
};

WaveFormat Pcm(uint16_t channels, uint32_t rate, uint16_t bits) {
  WaveFormat f;
  f.formatTag = 1;
  f.channels = channels;
  f.samplesPerSec = rate;
  f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
  f.avgBytesPerSec = rate * f.blockAlign;
  f.bitsPerSample = bits;
  return f;
}

std::vector<uint8_t> Mono16(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> bytes;
  for (int16_t s : samples) {
    bytes.push_back(static_cast<uint8_t>(s & 0xFF));
    bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
  }
  return bytes;
}

// Rendered by SDL's disk driver in real time into /dev/null; the mixer's output captured.
class MixedEffects : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    if (!device.Open()) GTEST_SKIP() << "SDL's disk audio driver is not available";
    Mix_SetPostMix(Capture::Collect, &capture);
    std::vector<int16_t> ramp(22050);  // 256 up to 22305: audible from its first frame
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(RampStart + i);
    Load(0, Pcm(1, 44100, 16), Mono16(ramp));
    Load(1, Pcm(1, 44100, 16), Mono16(std::vector<int16_t>(8820, 10000)));
    Load(2, Pcm(1, 22050, 8), std::vector<uint8_t>(2205, 192));
  }
  void TearDown() override {
    Mix_SetPostMix(nullptr, nullptr);
    for (int slot = 0; slot < 3; ++slot) device.ReleaseVoice(slot);
    device.Close();
  }
  void Load(int slot, const WaveFormat& format, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(device.CreateVoice(slot, format, bytes.data(), bytes.size()));
    device.SetVolume(slot, -800);
  }
  // Frames where the level jumps by more than threshold from one frame to the next.
  std::vector<std::pair<size_t, int>> Jumps(int threshold) {
    std::vector<std::pair<size_t, int>> jumps;
    for (size_t i = 1; i < capture.left.size(); ++i) {
      const int step = capture.left[i] - capture.left[i - 1];
      if (std::abs(step) > threshold) jumps.emplace_back(i, step);
    }
    return jumps;
  }
  size_t FirstSound() {
    for (size_t i = 0; i < capture.left.size(); ++i) if (capture.left[i] != 0) return i;
    return capture.left.size();
  }

  platform::SoundDevice& device = platform::SdlSoundDevice();
  Capture capture;
};

TEST_F(MixedEffects, RestartCutsThePreviousPlay) {
  capture.WaitFor(2048);
  device.Restart(0);
  const size_t before = capture.Size();
  capture.WaitFor(before + 4096);
  device.Restart(0);
  capture.WaitFor(before + 4096 + 30000);

  const size_t start = FirstSound();
  const auto jumps = Jumps(800);
  ASSERT_EQ(jumps.size(), 2u) << "one cut back to the start, one end";
  const size_t restart = jumps[0].first;
  EXPECT_LT(jumps[0].second, -800);
  EXPECT_GT(restart - start, 3000u);
  EXPECT_LT(restart - start, 22050u);
  EXPECT_EQ(jumps[1].first - restart, 22050u) << "the second play runs to its full length";
  int loudest = 0;
  for (int16_t s : capture.left) loudest = std::max<int>(loudest, s);
  EXPECT_NEAR(loudest, Gain * 22305, 0.005 * 22305) << "never two plays of it at once";
  EXPECT_NEAR(capture.left[restart + 10000] / (RampStart + 10000.0), Gain, 0.002);
}

TEST_F(MixedEffects, DifferentEffectsSoundTogether) {
  capture.WaitFor(2048);
  device.Restart(0);
  const size_t before = capture.Size();
  capture.WaitFor(before + 4096);
  device.Restart(1);
  capture.WaitFor(before + 4096 + 30000);

  const size_t start = FirstSound();
  const auto jumps = Jumps(800);
  ASSERT_EQ(jumps.size(), 3u) << "effect 1 starts and ends over effect 0, then effect 0 ends";
  EXPECT_NEAR(jumps[0].second, Gain * 10000, 20);
  EXPECT_NEAR(jumps[1].second, -Gain * 10000, 20);
  EXPECT_EQ(jumps[1].first - jumps[0].first, 8820u);
  EXPECT_EQ(jumps[2].first - start, 22050u) << "effect 0 is not disturbed";
}

TEST_F(MixedEffects, EightBitHalfRateIsConvertedToTheDeviceFormat) {
  capture.WaitFor(2048);
  device.Restart(2);
  capture.WaitFor(capture.Size() + 8192);
  const size_t start = FirstSound();
  size_t end = start;
  while (end < capture.left.size() && capture.left[end] != 0) ++end;
  EXPECT_NEAR(static_cast<double>(end - start), 4410, 16);
  EXPECT_NEAR(capture.left[start + 2000], Gain * 16384, 0.005 * 16384);
}

}  // namespace
