// The cost of drawing a well whose cells are all shrinking; whole frames are
// measured in frame_compose_bench.cpp.
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

void BM_ShrinkingCells(benchmark::State& state) {
  testbed::ScreensTestBed bed;
  currentScene = SceneSolo;
  FillWells();
  flashDelay[0] = 12.0f;  // every cell marked and scaled down to 8 x 8
  for (auto _ : state) DrawWell(0);
}
BENCHMARK(BM_ShrinkingCells);

}  // namespace
