// What recording costs the frame loop: the state hash, a recorded frame
// (hash, mark, check, input) as the recorder's observer takes it, a title frame
// (the state kept); and reading a recording of ten minutes of play.
#include <benchmark/benchmark.h>

#include <sstream>

#include "input/sample_hooks.h"
#include "recording/frame_marks.h"
#include "recording/recorder.h"
#include "recording/recording_text.h"
#include "recording/state_hash.h"
#include "shell/clock.h"
#include "shell/scenes.h"

namespace {

constexpr uint32_t TenMinutes = FramesPerSecond * 600;

void BM_GameStateHash(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(GameStateHash());
}
BENCHMARK(BM_GameStateHash);

void BM_RecordedFrame(benchmark::State& state) {
  std::ostringstream messages;
  currentScene = SceneTitle;
  Recorder recorder("1.0.0", 1, CaptureState(), messages, [](FinishedGame&&) {});
  currentScene = SceneSolo;
  InputSample sample;
  for (auto _ : state) PassInputSample(sample);
  currentScene = SceneTitle;
}
BENCHMARK(BM_RecordedFrame);

// On the title the recorder keeps the state in case the next frame starts a game.
void BM_TitleFrame(benchmark::State& state) {
  std::ostringstream messages;
  currentScene = SceneTitle;
  Recorder recorder("1.0.0", 1, CaptureState(), messages, [](FinishedGame&&) {});
  InputSample sample;
  for (auto _ : state) PassInputSample(sample);
}
BENCHMARK(BM_TitleFrame);

void BM_ParseTenMinuteRecording(benchmark::State& state) {
  Recording recording;
  recording.gameVersion = "1.0.0";
  InputSample sample;
  for (uint32_t frame = 1; frame <= TenMinutes; frame += 20) {
    sample.keyDirections = static_cast<uint8_t>(frame % 3 == 0 ? DirDown : 0);
    recording.inputs.push_back({frame, sample});
  }
  for (uint32_t i = 0; i < TenMinutes * 5 / 4; ++i) recording.ticks.push_back(16 * i + i % 3);
  for (uint32_t frame = StateCheckInterval; frame <= TenMinutes; frame += StateCheckInterval) {
    recording.checks.push_back({frame, 0x9b7b9140f9a9bc49ull * frame});
  }
  for (uint32_t frame = 1; frame <= TenMinutes; ++frame) recording.marks += MarkAlphabet[frame * 7 % 64];
  recording.frames = TenMinutes;
  const std::string text = RecordingText(recording);
  state.counters["bytes"] = static_cast<double>(text.size());
  Recording read;
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(ParseRecording(text, read, error));
}
BENCHMARK(BM_ParseTenMinuteRecording)->Unit(benchmark::kMillisecond);

}  // namespace
