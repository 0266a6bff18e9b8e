#include "audio/sound.h"
#include "rules/phases.h"
#include "rules/state.h"

namespace {

constexpr int LowestPlayRow = WellRows - 2;
constexpr int FirstPlayColumn = 1;
constexpr int LastPlayColumn = WellColumns - 2;
constexpr int32_t BlocksPerSpeedStep = 20;
constexpr int32_t SpeedStepMs = 10;

bool Floats(uint8_t player, int row, int column) {
  return well[player][row][column] < CellBlockLimit && well[player][row + 1][column] == CellEmpty;
}

// One downward sweep: a block moved into the next row is looked at again there,
// so it keeps falling; a block above a not-yet-moved one stays for the next sweep.
void SweepDown(uint8_t player) {
  for (int row = 0; row <= LowestPlayRow; ++row) {
    for (int column = FirstPlayColumn; column <= LastPlayColumn; ++column) {
      if (!Floats(player, row, column)) continue;
      PlayEffect(SfxDrop);
      well[player][row + 1][column] = well[player][row][column];
      well[player][row][column] = CellEmpty;
    }
  }
}

bool AnyBlockFloats(uint8_t player) {
  for (int row = 0; row <= LowestPlayRow; ++row) {
    for (int column = FirstPlayColumn; column <= LastPlayColumn; ++column) {
      if (Floats(player, row, column)) return true;
    }
  }
  return false;
}

// Every 20 blocks removed take 10 ms off the fall interval; it never rises.
void SpeedUp(uint8_t player) {
  const int32_t target = StartFallInterval - (clearedBlocks[player] / BlocksPerSpeedStep) * SpeedStepMs;
  if (fallInterval > target) fallInterval = target;
  if (fallInterval < 0) fallInterval = 0;
}

}  // namespace

// Sweeps until nothing floats, so the well settles within one frame.
void PhaseCollapseHandler(uint8_t player) {
  do {
    SweepDown(player);
  } while (AnyBlockFloats(player));
  playerPhase[player] = PhaseResolve;
  SpeedUp(player);
}
