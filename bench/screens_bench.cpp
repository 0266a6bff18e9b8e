// The cost of composing whole frames from sprite copies.
#include <benchmark/benchmark.h>

#include "tests/screens_test_bed.h"

namespace {

void FillWells() {
  for (int p = 0; p < PlayerCount; ++p) {
    for (int r = 1; r < 15; ++r) {
      for (int c = 1; c <= 7; ++c) well[p][r][c] = static_cast<uint8_t>(4 * ((r + c) % 12));
    }
  }
}

void BM_TitleFrame(benchmark::State& state) {
  testbed::ScreensTestBed bed;
  for (auto _ : state) TitleScene();
}
BENCHMARK(BM_TitleFrame);

void BM_VersusFrame(benchmark::State& state) {
  testbed::ScreensTestBed bed;
  currentScene = SceneVersus;
  FillWells();
  attackMeter[0] = attackMeter[1] = 60;
  for (auto _ : state) {
    DrawBackdrop();
    DrawWellFrame(0);
    DrawWellFrame(1);
    DrawSidePanel();
    DrawWell(0);
    DrawWell(1);
    DrawSpeedLevel();
    DrawClearedCount(0);
    DrawClearedCount(1);
    DrawRaiseGauge(0);
    DrawRaiseGauge(1);
  }
}
BENCHMARK(BM_VersusFrame);

void BM_ShrinkingCells(benchmark::State& state) {
  testbed::ScreensTestBed bed;
  currentScene = SceneSolo;
  FillWells();
  flashDelay[0] = 12.0f;  // every cell marked and scaled down to 8 x 8
  for (auto _ : state) DrawWell(0);
}
BENCHMARK(BM_ShrinkingCells);

}  // namespace
