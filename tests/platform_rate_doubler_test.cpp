#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/rate_doubler.h"

namespace {

constexpr double InputRate = 22050, OutputRate = 44100;

// The left channel of a sine of the given frequency, doubled.
std::vector<float> DoubledSine(double hz, int frames) {
  platform::RateDoubler doubler;
  std::vector<float> out;
  for (int i = 0; i < frames; ++i) {
    const float value = static_cast<float>(0.5 * std::sin(2 * M_PI * hz * i / InputRate));
    float doubled[4];
    doubler.Push(value, -value, doubled);
    out.push_back(doubled[0]);
    out.push_back(doubled[2]);
  }
  return out;
}

// The amplitude of one frequency over the second half of the signal.
double Amplitude(const std::vector<float>& signal, double hz) {
  const size_t from = signal.size() / 2, length = signal.size() - from;
  double re = 0, im = 0;
  for (size_t i = 0; i < length; ++i) {
    const double window = 0.5 - 0.5 * std::cos(2 * M_PI * i / length);
    re += signal[from + i] * window * std::cos(2 * M_PI * hz * i / OutputRate);
    im += signal[from + i] * window * std::sin(2 * M_PI * hz * i / OutputRate);
  }
  return 4 * std::hypot(re, im) / length;
}

double Decibels(double ratio) { return 20 * std::log10(ratio); }

TEST(RateDoubler, KeepsTheMusicsBandAndHoldsItsMirrorDown) {
  for (const double hz : {100.0, 1000.0, 5000.0, 9000.0}) {
    const std::vector<float> out = DoubledSine(hz, 22050);
    EXPECT_NEAR(Decibels(Amplitude(out, hz) / 0.5), 0.0, 0.01) << hz << " Hz";
    EXPECT_LT(Decibels(Amplitude(out, InputRate - hz) / 0.5), -75.0) << "mirror of " << hz << " Hz";
  }
}

TEST(RateDoubler, EveryOtherFrameIsAnInputFrameReachFramesLateAndResetIsSilence) {
  platform::RateDoubler doubler;
  float out[4];
  for (int i = 1; i <= 100; ++i) {
    doubler.Push(static_cast<float>(i), static_cast<float>(-i), out);
    const float expected = i > platform::RateDoubler::Reach ? static_cast<float>(i - platform::RateDoubler::Reach) : 0;
    ASSERT_EQ(out[0], expected) << i;
    ASSERT_EQ(out[1], -expected) << i;
  }
  doubler.Reset();
  doubler.Push(0, 0, out);
  EXPECT_EQ(out[0], 0.0f);
  EXPECT_EQ(out[2], 0.0f);
}

}  // namespace
