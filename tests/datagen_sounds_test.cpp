#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "audio/sound.h"
#include "audio/wave_file.h"
#include "platform/headless/headless.h"
#include "shell/file_names.h"
#include "tools/datagen/sounds.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::vector<uint8_t>& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

// What a RIFF WAVE file holds, read independently of the generator.
struct Wave {
  bool valid = false;
  uint16_t formatTag = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
  uint32_t samplesPerSec = 0, avgBytesPerSec = 0;
  std::vector<int16_t> samples;  // first channel only

  double Seconds() const { return static_cast<double>(samples.size()) / samplesPerSec; }
};

Wave ParseWave(const std::vector<uint8_t>& bytes) {
  Wave wave;
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE" || Le(bytes, 4, 4) + 8 != bytes.size()) {
    return wave;
  }
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
    const uint32_t size = Le(bytes, at + 4, 4);
    const size_t body = at + 8;
    if (body + size > bytes.size()) return wave;
    if (id == "fmt ") {
      wave.formatTag = Le(bytes, body, 2);
      wave.channels = Le(bytes, body + 2, 2);
      wave.samplesPerSec = Le(bytes, body + 4, 4);
      wave.avgBytesPerSec = Le(bytes, body + 8, 4);
      wave.blockAlign = Le(bytes, body + 12, 2);
      wave.bitsPerSample = Le(bytes, body + 14, 2);
      haveFormat = true;
    } else if (id == "data" && haveFormat && wave.blockAlign != 0) {
      for (size_t frame = body; frame + wave.blockAlign <= body + size; frame += wave.blockAlign) {
        wave.samples.push_back(static_cast<int16_t>(Le(bytes, frame, 2)));
      }
      wave.valid = true;
    }
    at = body + size + size % 2;
  }
  return wave;
}

double PeakDb(const Wave& wave) {
  int peak = 0;
  for (int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return 20.0 * std::log10(peak / 32768.0);
}

double ZeroCrossingsPerSecond(const Wave& wave) {
  int crossings = 0;
  for (size_t i = 1; i < wave.samples.size(); ++i) {
    if ((wave.samples[i - 1] < 0) != (wave.samples[i] < 0)) ++crossings;
  }
  return crossings / wave.Seconds();
}

// |X(k)|^2 of the samples' discrete Fourier transform, zero-padded to a power
// of two, for k = 0 .. N/2 (an iterative radix-2 transform).
std::vector<double> PowerSpectrum(const std::vector<int16_t>& samples) {
  size_t size = 1;
  while (size < samples.size()) size *= 2;
  std::vector<std::complex<double>> x(size);
  for (size_t i = 0; i < samples.size(); ++i) x[i] = samples[i];
  for (size_t i = 1, j = 0; i < size; ++i) {
    size_t bit = size >> 1;
    for (; (j & bit) != 0; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(x[i], x[j]);
  }
  for (size_t length = 2; length <= size; length *= 2) {
    const std::complex<double> step = std::polar(1.0, -2.0 * M_PI / static_cast<double>(length));
    for (size_t start = 0; start < size; start += length) {
      std::complex<double> turn = 1.0;
      for (size_t k = 0; k < length / 2; ++k, turn *= step) {
        const std::complex<double> even = x[start + k];
        const std::complex<double> odd = x[start + k + length / 2] * turn;
        x[start + k] = even + odd;
        x[start + k + length / 2] = even - odd;
      }
    }
  }
  std::vector<double> power(size / 2 + 1);
  for (size_t k = 0; k < power.size(); ++k) power[k] = std::norm(x[k]);
  return power;
}

// How an effect's energy spreads over frequency: the share of it above a
// split frequency, and its centroid (the energy-weighted mean frequency).
struct Balance {
  double shareAbove = 0;
  double centroidHz = 0;
};

Balance SpectralBalance(const Wave& wave, double splitHz) {
  const std::vector<double> power = PowerSpectrum(wave.samples);
  const double binHz = wave.samplesPerSec / (2.0 * static_cast<double>(power.size() - 1));
  double total = 0, above = 0, weighted = 0;
  for (size_t k = 0; k < power.size(); ++k) {
    const double hz = static_cast<double>(k) * binHz;
    total += power[k];
    weighted += power[k] * hz;
    if (hz > splitHz) above += power[k];
  }
  return Balance{above / total, weighted / total};
}

class GeneratedEffects : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = fs::temp_directory_path() / ("kerzonk-effects-" + std::to_string(::getpid()));
    ASSERT_TRUE(WriteSounds(folder));
    for (int i = 0; i < EffectCount; ++i) waves[i] = ParseWave(ReadAll(folder / EffectFileNames[i]));
  }
  static void TearDownTestSuite() { fs::remove_all(folder); }

  static inline fs::path folder;
  static inline Wave waves[EffectCount];
};

TEST_F(GeneratedEffects, SameBytesEveryTime) {
  const fs::path again = folder.string() + "-again";
  ASSERT_TRUE(WriteSounds(again));
  for (const char* name : EffectFileNames) {
    EXPECT_EQ(ReadAll(folder / name), ReadAll(again / name)) << name;
  }
  fs::remove_all(again);
}

TEST_F(GeneratedEffects, AreSixteenBitPcmAt44100Hz) {
  for (int i = 0; i < EffectCount; ++i) {
    SCOPED_TRACE(EffectFileNames[i]);
    const Wave& wave = waves[i];
    ASSERT_TRUE(wave.valid);
    EXPECT_EQ(wave.formatTag, 1);
    EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
    EXPECT_EQ(wave.samplesPerSec, 44100u);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_EQ(wave.blockAlign, 2 * wave.channels);
    EXPECT_EQ(wave.avgBytesPerSec, 44100u * wave.blockAlign);
  }
}

TEST_F(GeneratedEffects, LoadThroughTheGamesOwnReader) {
  platform::Headless headless;
  headless.Install();
  ASSERT_EQ(InitSound(), 1);
  for (int i = 0; i < EffectCount; ++i) {
    SCOPED_TRACE(EffectFileNames[i]);
    const std::string path = (folder / EffectFileNames[i]).string();
    WaveData wave;
    ASSERT_EQ(ReadWaveFile(path.c_str(), wave), WaveReadResult::Ok);
    EXPECT_TRUE(IsPlayableFormat(wave.format));
    EXPECT_EQ(wave.format.samplesPerSec, 44100u);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.samples.size(), waves[i].samples.size() * wave.format.blockAlign);
    EXPECT_EQ(LoadEffect(path.c_str(), i), 1);
    EXPECT_TRUE(headless.sound.voiceLoaded[i]);
  }
  EXPECT_TRUE(headless.host.notices.empty());
  ReleaseSound(EffectCount);
}

TEST_F(GeneratedEffects, LengthsFitTheirEvents) {
  constexpr int gameOver = 4, intro = 6, drop = 3;
  for (int i = 0; i < EffectCount; ++i) {
    SCOPED_TRACE(EffectFileNames[i]);
    const double limit = (i == gameOver || i == intro) ? 2.5 : 1.0;
    EXPECT_GT(waves[i].Seconds(), 0.02);
    EXPECT_LT(waves[i].Seconds(), limit);
  }
  // Restarted for every falling block, so it must be over almost at once.
  EXPECT_LE(waves[drop].Seconds(), 0.05);
  // The two long ones are phrases, not blips.
  EXPECT_GT(waves[gameOver].Seconds(), 1.5);
  EXPECT_GT(waves[intro].Seconds(), 1.5);
}

TEST_F(GeneratedEffects, PeakNearMinusOneDecibel) {
  for (int i = 0; i < EffectCount; ++i) {
    EXPECT_NEAR(PeakDb(waves[i]), -1.0, 0.3) << EffectFileNames[i];
  }
}

TEST_F(GeneratedEffects, StartAndEndInSilence) {
  // A click is a jump from or to silence; the fades make both ends meet zero.
  for (int i = 0; i < EffectCount; ++i) {
    SCOPED_TRACE(EffectFileNames[i]);
    const std::vector<int16_t>& s = waves[i].samples;
    EXPECT_LE(std::abs(s.front()), 8);
    EXPECT_LE(std::abs(s.back()), 8);
    const size_t edge = 10;
    for (size_t k = 0; k < edge; ++k) {
      EXPECT_LT(std::abs(s[k]), 1000) << "sample " << k;
      EXPECT_LT(std::abs(s[s.size() - 1 - k]), 100) << "sample " << k << " from the end";
    }
  }
}

TEST_F(GeneratedEffects, DifferFromEachOther) {
  // Length and brightness (zero crossings a second) together tell every pair apart.
  for (int a = 0; a < EffectCount; ++a) {
    for (int b = a + 1; b < EffectCount; ++b) {
      const double lengthRatio = std::abs(std::log(waves[a].Seconds() / waves[b].Seconds()));
      const double pitchRatio = std::abs(std::log(ZeroCrossingsPerSecond(waves[a]) / ZeroCrossingsPerSecond(waves[b])));
      EXPECT_GT(lengthRatio + pitchRatio, 0.3) << EffectFileNames[a] << " and " << EffectFileNames[b];
    }
  }
}

// The balance measure: the share of an effect's energy, taken from the power
// spectrum of all its samples, that lies above 200 Hz. Below that an effect
// sinks under the music's bass line and the roll-off of small speakers.
TEST_F(GeneratedEffects, AtLeastHalfOfEachOnesEnergyLiesAbove200Hz) {
  // The measure itself first: pure tones fall on the side they belong to.
  for (const auto& [hz, above] : {std::pair{100.0, false}, {400.0, true}}) {
    Wave tone;
    tone.samplesPerSec = 44100;
    for (int i = 0; i < 22050; ++i) {
      tone.samples.push_back(static_cast<int16_t>(8000 * std::sin(2 * M_PI * hz * i / 44100)));
    }
    EXPECT_NEAR(SpectralBalance(tone, 200.0).shareAbove, above ? 1.0 : 0.0, 0.01) << hz << " Hz";
  }
  for (int i = 0; i < EffectCount; ++i) {
    EXPECT_GE(SpectralBalance(waves[i], 200.0).shareAbove, 0.5) << EffectFileNames[i];
  }
}

double ShareOfEnergy(const Wave& wave, size_t from, size_t to) {
  double part = 0, total = 0;
  for (size_t i = 0; i < wave.samples.size(); ++i) {
    const double energy = static_cast<double>(wave.samples[i]) * wave.samples[i];
    total += energy;
    if (i >= from && i < to) part += energy;
  }
  return part / total;
}

TEST_F(GeneratedEffects, TheLandingStaysAThudAndTheRaiseARumble) {
  // Both are heard as weight rather than as notes: low, though not too low.
  for (int effect : {SfxLand, SfxRaise}) {
    EXPECT_GE(1.0 - SpectralBalance(waves[effect], 800.0).shareAbove, 0.8) << EffectFileNames[effect];
  }
  // A thud is over almost at once.
  EXPECT_GE(ShareOfEnergy(waves[SfxLand], 0, 4410), 0.9);
  // A rumble keeps going: each of its first three quarters carries a fair part.
  const Wave& raise = waves[SfxRaise];
  const size_t quarter = raise.samples.size() / 4;
  for (size_t part = 0; part < 3; ++part) {
    EXPECT_GE(ShareOfEnergy(raise, part * quarter, (part + 1) * quarter), 0.2) << "quarter " << part + 1;
  }
}

}  // namespace
