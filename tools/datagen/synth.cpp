#include "tools/datagen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double EndTaperSeconds = 0.003;

// Band-limiting correction for the jumps of square and saw waves (polyBLEP),
// which keeps high notes from sounding harsh through aliasing.
double BlepCorrection(double phase, double step) {
  if (phase < step) {
    const double t = phase / step;
    return t + t - t * t - 1.0;
  }
  if (phase > 1.0 - step) {
    const double t = (phase - 1.0) / step;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double Oscillator(Waveform waveform, double phase, double step) {
  switch (waveform) {
    case Waveform::Sine:
      return std::sin(TwoPi * phase);
    case Waveform::Triangle:
      return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    case Waveform::Square: {
      double value = phase < 0.5 ? 1.0 : -1.0;
      value += BlepCorrection(phase, step);
      value -= BlepCorrection(std::fmod(phase + 0.5, 1.0), step);
      return value;
    }
    case Waveform::Saw:
      return 2.0 * phase - 1.0 - BlepCorrection(phase, step);
  }
  return 0.0;
}

// Level of an attack-then-decay envelope with a short taper at the very end.
double Envelope(double t, double length, double attack, double decay) {
  double level = 1.0;
  if (t < attack) {
    level = t / attack;
  } else if (decay > 0.0) {
    level = std::exp(-(t - attack) / decay);
  }
  const double left = length - t;
  if (left < EndTaperSeconds) level *= std::max(0.0, left / EndTaperSeconds);
  return level;
}

// Coefficient of a one-pole low-pass with the given corner frequency.
double OnePoleCoefficient(double cornerHz) {
  return 1.0 - std::exp(-TwoPi * cornerHz / SampleRate);
}

struct SampleSpan {
  size_t first;
  size_t count;
};

// The samples of the mix an event covers, grown when the event runs past its end.
SampleSpan Place(Signal& mix, double start, double length) {
  const size_t first = static_cast<size_t>(std::lround(start * SampleRate));
  const size_t count = static_cast<size_t>(std::lround(length * SampleRate));
  if (mix.size() < first + count) mix.resize(first + count, 0.0);
  return {first, count};
}

}  // namespace

double NoiseSource::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double NoiseSource::Uniform(double low, double high) { return low + (high - low) * (Next() + 1.0) / 2.0; }

Signal Silence(double seconds) { return Signal(static_cast<size_t>(std::lround(seconds * SampleRate)), 0.0); }

void AddTone(Signal& mix, const Tone& tone) {
  const SampleSpan span = Place(mix, tone.start, tone.length);
  const double glide = std::log(tone.endHz / tone.startHz);
  const double smoothing = tone.lowpassHz > 0.0 ? OnePoleCoefficient(tone.lowpassHz) : 1.0;
  double phase = 0.0;
  double firstPole = 0.0;
  double filtered = 0.0;
  for (size_t i = 0; i < span.count; ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    double hz = tone.startHz * std::exp(glide * t / tone.length);
    hz *= 1.0 + tone.vibratoDepth * std::sin(TwoPi * tone.vibratoHz * t);
    const double step = hz / SampleRate;
    firstPole += smoothing * (Oscillator(tone.waveform, phase, step) - firstPole);
    filtered += smoothing * (firstPole - filtered);
    mix[span.first + i] += tone.level * Envelope(t, tone.length, tone.attack, tone.decay) * filtered;
    phase = std::fmod(phase + step, 1.0);
  }
}

void AddNoise(Signal& mix, const NoiseBurst& burst) {
  const SampleSpan span = Place(mix, burst.start, burst.length);
  NoiseSource noise(burst.seed);
  const double lowSmoothing = burst.lowpassHz > 0.0 ? OnePoleCoefficient(burst.lowpassHz) : 1.0;
  const double highSmoothing = burst.highpassHz > 0.0 ? OnePoleCoefficient(burst.highpassHz) : 0.0;
  double low = 0.0;
  double lowerBand = 0.0;
  for (size_t i = 0; i < span.count; ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    low += lowSmoothing * (noise.Next() - low);
    lowerBand += highSmoothing * (low - lowerBand);
    double level = burst.level * Envelope(t, burst.length, burst.attack, burst.decay);
    if (burst.tremoloHz > 0.0) level *= 0.6 + 0.4 * std::sin(TwoPi * burst.tremoloHz * t);
    mix[span.first + i] += level * (low - lowerBand);
  }
}

std::vector<int16_t> Finish(Signal mix, double fadeInSeconds, double fadeOutSeconds, double peakDb) {
  const size_t size = mix.size();
  const size_t fadeIn = std::min(size, static_cast<size_t>(std::lround(fadeInSeconds * SampleRate)));
  const size_t fadeOut = std::min(size, static_cast<size_t>(std::lround(fadeOutSeconds * SampleRate)));
  for (size_t i = 0; i < fadeIn; ++i) {
    mix[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / fadeIn);
  }
  for (size_t i = 0; i < fadeOut; ++i) {
    mix[size - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / fadeOut);
  }

  double peak = 0.0;
  for (double sample : mix) peak = std::max(peak, std::abs(sample));
  const double gain = peak > 0.0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;

  std::vector<int16_t> samples(size);
  for (size_t i = 0; i < size; ++i) samples[i] = static_cast<int16_t>(std::lround(mix[i] * gain * 32767.0));
  return samples;
}

}  // namespace synth
