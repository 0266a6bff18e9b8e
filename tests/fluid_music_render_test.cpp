#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/midi_file.h"
#include "platform/sdl/fluid_music.h"
#include "platform/sdl/soundfont_search.h"
#include "tests/midi_builder.h"

namespace {

constexpr int Rate = 44100;
constexpr int BufferFrames = 1024;
constexpr int BarFrames = 2 * Rate;  // 4/4 at 120 beats a minute

platform::MidiSong Song(const MidiBuilder& builder) {
  const std::vector<uint8_t> bytes = builder.Bytes();
  platform::MidiSong song;
  EXPECT_TRUE(platform::ParseMidiFile(bytes.data(), bytes.size(), song));
  return song;
}

// The strength of one frequency over [from, from + length) of a mono signal.
double Strength(const std::vector<int16_t>& signal, double hz, size_t from, size_t length) {
  const double coefficient = 2 * std::cos(2 * M_PI * hz / Rate);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < from + length; ++i) {
    const double s0 = signal[i] + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return std::sqrt(s1 * s1 + s2 * s2 - coefficient * s1 * s2) / length;
}

class RenderedMusic : public testing::Test {
 protected:
  void SetUp() override {
    if (engine.Open(Rate, platform::SoundFontCandidates()) != platform::MusicOpenResult::Ok) {
      GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
  }
  // Renders whole audio buffers until at least `frames` of the left channel are kept.
  void RenderTo(size_t frames) {
    std::vector<int16_t> buffer(2 * BufferFrames);
    while (left.size() < frames) {
      engine.Fill(buffer.data(), BufferFrames);
      for (int i = 0; i < BufferFrames; ++i) left.push_back(buffer[2 * i]);
    }
  }
  size_t FirstAbove(int level, size_t from) const {
    for (size_t i = from; i < left.size(); ++i) if (std::abs(left[i]) > level) return i;
    return left.size();
  }

  platform::FluidMusicEngine engine;
  std::vector<int16_t> left;
};

TEST_F(RenderedMusic, ChangeAskedMidMeasureIsHeardFromTheNextBarLine) {
  engine.Load(0, Song(MidiBuilder(480).End(2 * 1920)));  // two silent bars
  engine.Load(1, Song(MidiBuilder(480).Note(0, 480, 60, 127).End(1920)));
  engine.Start(0, 65025);
  RenderTo(Rate * 7 / 10);
  engine.Change(1, 65025);
  RenderTo(3 * Rate);
  const size_t onset = FirstAbove(200, 0);
  EXPECT_GE(onset, static_cast<size_t>(BarFrames));
  EXPECT_LT(onset, static_cast<size_t>(BarFrames + Rate / 100)) << "within 10 ms of the bar line";
}

TEST_F(RenderedMusic, PiecePlayingEndsAtTheBarLineAndTheNewOneTakesOver) {
  const double high = 1480.0, low = 110.0;  // F#6, and A2 whose overtones miss F#6
  engine.Load(0, Song(MidiBuilder(480).Program(0, 16).Note(0, 2 * 1920, 90).End(2 * 1920)));
  engine.Load(1, Song(MidiBuilder(480).Program(0, 16).Note(0, 1920, 45).End(1920)));
  engine.Start(0, 65025);
  RenderTo(Rate * 13 / 10);
  engine.Change(1, 65025);
  RenderTo(3 * Rate);
  const size_t window = Rate / 10;
  const size_t beforeBar = BarFrames - window - Rate / 100;
  const size_t afterBar = BarFrames + Rate / 5;
  EXPECT_GT(Strength(left, high, beforeBar, window), 10 * Strength(left, high, afterBar, window));
  EXPECT_GT(Strength(left, low, afterBar, window), 10 * Strength(left, low, beforeBar, window));
}

TEST_F(RenderedMusic, LoopsWithoutAGap) {
  engine.Load(0, Song(MidiBuilder(480).Program(0, 16).Note(0, 1920, 60, 100).End(1920)));
  engine.Start(0, 3);
  RenderTo(Rate * 10);
  const size_t window = Rate / 100;
  auto level = [&](size_t from) {
    double sum = 0;
    for (size_t i = from; i < from + window; ++i) sum += static_cast<double>(left[i]) * left[i];
    return std::sqrt(sum / window);
  };
  const double steady = level(BarFrames / 2);
  ASSERT_GT(steady, 200);
  for (size_t from = Rate / 10; from + window < static_cast<size_t>(4 * BarFrames); from += window) {
    EXPECT_GT(level(from), steady / 3) << "dip at frame " << from;
  }
  EXPECT_LT(level(4 * BarFrames + Rate), 5) << "it stops after its first play and three repeats";
}

// FluidSynth renders at half rate: how the output is cut into buffers and
// between events must not change a single sample.
TEST_F(RenderedMusic, TheSameMusicWhateverTheBufferSizes) {
  platform::FluidMusicEngine other;
  ASSERT_EQ(other.Open(Rate, platform::SoundFontCandidates()), platform::MusicOpenResult::Ok);
  const platform::MidiSong song =
      Song(MidiBuilder(480).Program(0, 16).Note(0, 240, 60, 100).Note(241, 720, 67, 90).End(1920));
  for (platform::FluidMusicEngine* each : {&engine, &other}) {
    each->Load(0, song);
    each->Start(0, 1);
  }
  RenderTo(Rate);
  std::vector<int16_t> cut;
  std::vector<int16_t> buffer(2 * BufferFrames);
  for (int size = 1; cut.size() < left.size(); size = size % 997 + 2) {
    other.Fill(buffer.data(), size);
    for (int i = 0; i < size; ++i) cut.push_back(buffer[2 * i]);
  }
  cut.resize(left.size());
  EXPECT_EQ(cut, left);
}

}  // namespace
