// The eight sound effects, each synthesised from a few tones and noise bursts.
#include "tools/datagen/sounds.h"

#include <array>
#include <cmath>

#include "audio/sound.h"
#include "shell/file_names.h"
#include "tools/datagen/synth.h"
#include "tools/datagen/wave_writer.h"

namespace {

using synth::NoiseBurst;
using synth::Signal;
using synth::Tone;
using synth::Waveform;

constexpr double PeakDb = -1.0;
constexpr double FadeInSeconds = 0.001;

// A struck-bell note: a few inharmonic partials, the higher ones dying sooner.
void AddBell(Signal& mix, double start, double hz, double level, double length) {
  constexpr struct { double ratio, level, decay; } partials[] = {
      {1.0, 1.0, 0.22}, {2.0, 0.45, 0.12}, {3.01, 0.22, 0.07}, {4.23, 0.14, 0.04}};
  for (const auto& partial : partials) {
    synth::AddTone(mix, Tone{.start = start, .length = length, .startHz = hz * partial.ratio,
                             .endHz = hz * partial.ratio, .level = level * partial.level,
                             .attack = 0.001, .decay = partial.decay});
  }
}

// A brass-like note: two slightly detuned saws through a low-pass.
void AddBrass(Signal& mix, double start, double length, double hz, double level, double vibrato) {
  for (double detune : {0.997, 1.003}) {
    synth::AddTone(mix, Tone{.start = start, .length = length, .startHz = hz * detune, .endHz = hz * detune,
                             .waveform = Waveform::Saw, .level = level, .attack = 0.025, .decay = 0.0,
                             .vibratoHz = 5.5, .vibratoDepth = vibrato, .lowpassHz = 2400.0});
  }
}

// Cursor tick: a tiny bright blip.
std::vector<int16_t> CursorTick() {
  Signal mix = synth::Silence(0.07);
  synth::AddTone(mix, Tone{.length = 0.06, .startHz = 2200, .endHz = 1700, .waveform = Waveform::Square,
                           .level = 0.6, .attack = 0.001, .decay = 0.012, .lowpassHz = 7000});
  synth::AddTone(mix, Tone{.length = 0.03, .startHz = 4400, .endHz = 4400, .level = 0.25, .attack = 0.001,
                           .decay = 0.006});
  return synth::Finish(mix, FadeInSeconds, 0.01, PeakDb);
}

// Confirm chime: three rising bell notes, C6, G6, C7.
std::vector<int16_t> ConfirmChime() {
  Signal mix = synth::Silence(0.7);
  AddBell(mix, 0.0, 1046.5, 0.8, 0.6);
  AddBell(mix, 0.07, 1568.0, 0.7, 0.6);
  AddBell(mix, 0.14, 2093.0, 0.5, 0.55);
  return synth::Finish(mix, FadeInSeconds, 0.12, PeakDb);
}

// Landing thud: a short falling body around 200 Hz with a little sub-bass
// under it, a knock and a woody click above; those carry it over the music,
// where a bare low thump would be lost.
std::vector<int16_t> LandingThud() {
  Signal mix = synth::Silence(0.3);
  synth::AddTone(mix, Tone{.length = 0.25, .startHz = 240, .endHz = 80, .level = 1.0, .attack = 0.002,
                           .decay = 0.05});
  synth::AddTone(mix, Tone{.length = 0.25, .startHz = 90, .endHz = 50, .level = 0.4, .attack = 0.004,
                           .decay = 0.08});
  synth::AddTone(mix, Tone{.length = 0.12, .startHz = 620, .endHz = 300, .waveform = Waveform::Triangle,
                           .level = 0.5, .attack = 0.001, .decay = 0.03});
  synth::AddNoise(mix, NoiseBurst{.length = 0.07, .level = 0.7, .attack = 0.0008, .decay = 0.014,
                                  .lowpassHz = 1800, .highpassHz = 350, .seed = 0xC0FFEE});
  return synth::Finish(mix, FadeInSeconds, 0.05, PeakDb);
}

// Drop tap: a few hundredths of a second, since a collapse restarts it many times.
std::vector<int16_t> DropTap() {
  Signal mix = synth::Silence(0.04);
  synth::AddTone(mix, Tone{.length = 0.035, .startHz = 1300, .endHz = 800, .waveform = Waveform::Triangle,
                           .level = 1.0, .attack = 0.0008, .decay = 0.007});
  synth::AddNoise(mix, NoiseBurst{.length = 0.012, .level = 0.3, .attack = 0.0005, .decay = 0.002,
                                  .highpassHz = 3000, .seed = 0xD20F});
  return synth::Finish(mix, FadeInSeconds, 0.008, PeakDb);
}

// Game over: a sad brass phrase stepping down a semitone at a time, its last
// note sagging with a wide vibrato, over a long falling whistle.
std::vector<int16_t> GameOverFall() {
  Signal mix = synth::Silence(2.3);
  const std::array<double, 3> steps = {392.0, 370.0, 349.2};
  for (size_t i = 0; i < steps.size(); ++i) AddBrass(mix, 0.38 * static_cast<double>(i), 0.34, steps[i], 0.5, 0.0);
  for (double detune : {0.997, 1.003}) {
    synth::AddTone(mix, Tone{.start = 1.14, .length = 1.1, .startHz = 329.6 * detune, .endHz = 290.0 * detune,
                             .waveform = Waveform::Saw, .level = 0.5, .attack = 0.03, .decay = 0.6,
                             .vibratoHz = 5.0, .vibratoDepth = 0.018, .lowpassHz = 1800});
  }
  synth::AddTone(mix, Tone{.length = 2.2, .startHz = 1400, .endHz = 90, .level = 0.18, .attack = 0.05,
                           .decay = 1.2});
  return synth::Finish(mix, 0.005, 0.2, PeakDb);
}

// Flash sparkle: a scatter of high pings over a shimmer of airy noise.
std::vector<int16_t> FlashSparkle() {
  Signal mix = synth::Silence(0.7);
  synth::NoiseSource random(0x5EED5);
  for (int i = 0; i < 16; ++i) {
    const double start = 0.03 * i + random.Uniform(0.0, 0.02);
    const double hz = random.Uniform(2600.0, 6200.0);
    synth::AddTone(mix, Tone{.start = start, .length = 0.2, .startHz = hz, .endHz = hz * 1.02,
                             .level = random.Uniform(0.3, 0.6), .attack = 0.002, .decay = 0.045});
  }
  synth::AddNoise(mix, NoiseBurst{.length = 0.65, .level = 0.2, .attack = 0.02, .decay = 0.18,
                                  .highpassHz = 6000, .tremoloHz = 23, .seed = 0xF1A5});
  return synth::Finish(mix, FadeInSeconds, 0.1, PeakDb);
}

// Intro fanfare: a brass arpeggio G4 C5 E5 G5, then a held C major chord.
std::vector<int16_t> IntroFanfare() {
  Signal mix = synth::Silence(2.2);
  const std::array<double, 4> arpeggio = {392.0, 523.3, 659.3, 784.0};
  for (size_t i = 0; i < arpeggio.size(); ++i) {
    const bool last = i + 1 == arpeggio.size();
    AddBrass(mix, 0.13 * static_cast<double>(i), last ? 0.45 : 0.12, arpeggio[i], 0.5, 0.0);
  }
  for (double hz : {523.3, 659.3, 784.0, 1046.5}) AddBrass(mix, 0.62, 1.5, hz, 0.3, 0.006);
  return synth::Finish(mix, FadeInSeconds, 0.35, PeakDb);
}

// Raise rumble: a grinding band of noise shaken by a tremolo over a low bed,
// and a buzzing hum that rises an octave as the whole well is pushed up.
std::vector<int16_t> RaiseRumble() {
  Signal mix = synth::Silence(0.8);
  synth::AddNoise(mix, NoiseBurst{.length = 0.8, .level = 1.0, .attack = 0.05, .lowpassHz = 450,
                                  .highpassHz = 250, .tremoloHz = 14, .seed = 0x2A15E});
  synth::AddNoise(mix, NoiseBurst{.length = 0.8, .level = 1.0, .attack = 0.05, .lowpassHz = 160,
                                  .tremoloHz = 14, .seed = 0x51DE});
  synth::AddTone(mix, Tone{.length = 0.8, .startHz = 165, .endHz = 330, .waveform = Waveform::Square,
                           .level = 0.1, .attack = 0.05, .lowpassHz = 700});
  return synth::Finish(mix, 0.01, 0.25, PeakDb);
}

}  // namespace

bool WriteSounds(const std::filesystem::path& folder) {
  using Recipe = std::vector<int16_t> (*)();
  constexpr struct { int effect; Recipe recipe; } effects[] = {
      {SfxCursor, CursorTick},     {SfxConfirm, ConfirmChime}, {SfxLand, LandingThud},    {SfxDrop, DropTap},
      {SfxGameOver, GameOverFall}, {SfxFlash, FlashSparkle},   {SfxIntro, IntroFanfare}, {SfxRaise, RaiseRumble}};
  static_assert(std::size(effects) == EffectCount);
  for (const auto& [effect, recipe] : effects) {
    if (!WriteByteFile(folder / EffectFileNames[effect], EncodeMonoWave(recipe(), synth::SampleRate))) return false;
  }
  return true;
}
