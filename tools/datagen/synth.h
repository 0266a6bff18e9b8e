// A small additive synthesiser for the sound effects: tones with gliding
// pitch and simple envelopes, filtered noise, and the final touch (fades,
// level) that turns a mix into 16-bit samples.
#pragma once

#include <cstdint>
#include <vector>

namespace synth {

constexpr int SampleRate = 44100;

using Signal = std::vector<double>;

// Deterministic white noise (xorshift32): the same seed always gives the same sound.
class NoiseSource {
 public:
  explicit NoiseSource(uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
  double Next();                          // uniform in [-1, 1)
  double Uniform(double low, double high);

 private:
  uint32_t state_;
};

enum class Waveform { Sine, Triangle, Square, Saw };

// One note. The pitch glides exponentially from startHz to endHz over the
// length; the level rises linearly over attack, then falls exponentially with
// time constant decay (0 holds it). Every tone tapers off over its last few
// milliseconds so it never ends on a step.
struct Tone {
  double start = 0.0;   // seconds into the effect
  double length = 0.1;  // seconds
  double startHz = 440.0;
  double endHz = 440.0;
  Waveform waveform = Waveform::Sine;
  double level = 1.0;
  double attack = 0.002;
  double decay = 0.0;
  double vibratoHz = 0.0;
  double vibratoDepth = 0.0;  // fraction of the frequency
  double lowpassHz = 0.0;     // two-pole low-pass; 0 leaves the tone bright
};

// A burst of noise shaped like a tone, band-limited by a one-pole low-pass
// and high-pass, optionally with a tremolo.
struct NoiseBurst {
  double start = 0.0;
  double length = 0.1;
  double level = 1.0;
  double attack = 0.002;
  double decay = 0.0;
  double lowpassHz = 0.0;
  double highpassHz = 0.0;
  double tremoloHz = 0.0;
  uint32_t seed = 1;
};

Signal Silence(double seconds);
void AddTone(Signal& mix, const Tone& tone);
void AddNoise(Signal& mix, const NoiseBurst& burst);

// Fades the ends with raised-cosine ramps (so the first and last samples are
// silent), scales the loudest sample to peakDb relative to full scale and
// rounds to 16 bits.
std::vector<int16_t> Finish(Signal mix, double fadeInSeconds, double fadeOutSeconds, double peakDb);

}  // namespace synth
