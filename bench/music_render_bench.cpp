// The music's cost on the audio thread: one 1024-frame buffer of a dense piece
// must render well inside its 23 ms; and the SoundFont load that delays the
// first frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "platform/midi_file.h"
#include "platform/sdl/fluid_music.h"
#include "platform/sdl/soundfont_search.h"

namespace {

constexpr int Rate = 44100;
constexpr int BufferFrames = 1024;

// Eight bars of 4/4 at 120: a twelve-note chord over six instruments on every beat.
platform::MidiSong DensePiece() {
  platform::MidiSong song;
  for (int channel = 0; channel < 6; ++channel) {
    song.events.push_back({0, static_cast<uint8_t>(0xC0 | channel), static_cast<uint8_t>(channel * 8), 0});
  }
  for (int beat = 0; beat < 32; ++beat) {
    const double at = beat * 0.5;
    for (int note = 0; note < 12; ++note) {
      const auto channel = static_cast<uint8_t>(note % 6);
      const auto key = static_cast<uint8_t>(48 + note * 3);
      song.events.push_back({at, static_cast<uint8_t>(0x90 | channel), key, 90});
      song.events.push_back({at + 0.45, static_cast<uint8_t>(0x80 | channel), key, 0});
    }
  }
  std::stable_sort(song.events.begin(), song.events.end(),
                   [](const platform::MidiEvent& a, const platform::MidiEvent& b) { return a.seconds < b.seconds; });
  for (int bar = 0; bar < 8; ++bar) song.barLines.push_back(bar * 2.0);
  song.length = 16;
  return song;
}

void MusicBuffer(benchmark::State& state) {
  platform::FluidMusicEngine engine;
  if (engine.Open(Rate, platform::SoundFontCandidates()) != platform::MusicOpenResult::Ok) {
    state.SkipWithError("no General MIDI SoundFont installed");
    return;
  }
  engine.Load(0, DensePiece());
  engine.Start(0, 65025);
  std::vector<int16_t> buffer(2 * BufferFrames);
  for (auto _ : state) {
    engine.Fill(buffer.data(), BufferFrames);
    benchmark::DoNotOptimize(buffer.data());
  }
}
BENCHMARK(MusicBuffer)->Unit(benchmark::kMicrosecond);

void SoundFontLoad(benchmark::State& state) {
  for (auto _ : state) {
    platform::FluidMusicEngine engine;
    if (engine.Open(Rate, platform::SoundFontCandidates()) != platform::MusicOpenResult::Ok) {
      state.SkipWithError("no General MIDI SoundFont installed");
      return;
    }
  }
}
BENCHMARK(SoundFontLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
