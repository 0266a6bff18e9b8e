// Composing one whole frame into the back buffer, as the frame loop's scene
// handler does, with the generated pictures: title, speed select, a solo game
// in play and a versus game with full wells and raise gauges. The clock stands
// still and nothing is held, so every iteration draws the same frame.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/headless/headless.h"
#include "rules/state.h"
#include "shell/app.h"
#include "shell/scenes.h"

namespace {

// The game started once in the built game folder, on the headless machine.
platform::Headless& StartedGame() {
  static platform::Headless* machine = [] {
    auto* started = new platform::Headless;
    started->Install();
    if (chdir(KERZONK_GAME_DIR) != 0 || InitApplication() == 0) std::abort();
    return started;
  }();
  return *machine;
}

// Rows from the given one down to the floor filled with blocks of every kind.
void FillWell(int player, int fromRow) {
  for (int row = fromRow; row < WellRows - 1; ++row) {
    for (int column = 1; column < WellColumns - 1; ++column) {
      well[player][row][column] = static_cast<uint8_t>(4 * ((row * 5 + column * 7) % 12));
    }
  }
}

// A pair falling in the middle of the well, at rest between two sub-steps.
void PairFalling(int player, int topRow) {
  playerPhase[player] = PhaseFalling;
  pairTopRow[player] = static_cast<uint8_t>(topRow);
  pairBottomRow[player] = static_cast<uint8_t>(topRow + 1);
  pairTopCol[player] = pairBottomCol[player] = 4;
  well[player][topRow][4] = 8;
  well[player][topRow + 1][4] = 20;
  lastFallTime[player] = 0;
}

void ComposeFrames(benchmark::State& state, uint8_t scene) {
  StartedGame();
  currentScene = scene;
  for (auto _ : state) {
    CallSceneHandler(currentScene);
    benchmark::ClobberMemory();
  }
}

void BM_ComposeTitle(benchmark::State& state) {
  ResetRulesState();
  ComposeFrames(state, SceneTitle);
}
BENCHMARK(BM_ComposeTitle);

void BM_ComposeSpeedSelect(benchmark::State& state) {
  ResetRulesState();
  ComposeFrames(state, SceneSpeedSelect);
}
BENCHMARK(BM_ComposeSpeedSelect);

void BM_ComposeSoloInPlay(benchmark::State& state) {
  ResetRulesState();
  FillWell(0, 8);
  PairFalling(0, 3);
  nextPairReady[0] = 1;
  score = 123450;
  clearedBlocks[0] = 42;
  ComposeFrames(state, SceneSolo);
}
BENCHMARK(BM_ComposeSoloInPlay);

void BM_ComposeVersusFullWells(benchmark::State& state) {
  ResetRulesState();
  for (int player = 0; player < PlayerCount; ++player) {
    FillWell(player, 2);
    PairFalling(player, 0);
    nextPairReady[player] = 1;
    clearedBlocks[player] = 77;
    attackMeter[player] = 12;  // a gauge most of the way to a raise
  }
  ComposeFrames(state, SceneVersus);
}
BENCHMARK(BM_ComposeVersusFullWells);

}  // namespace
