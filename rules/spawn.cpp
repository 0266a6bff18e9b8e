#include "rules/phases.h"
#include "rules/state.h"
#include "rules/well_access.h"
#include "shell/logic_clock.h"

namespace {
constexpr int SpawnColumn = 4;
}

void PhaseSpawnHandler(uint8_t player) {
  // Reseeded before every spawn, so spawns within one second draw the same values.
  SeedBlockRandom(static_cast<uint32_t>(LogicCalendarSeconds()));

  const int topRow = spawnRow[player];
  // Only the cell under the spawning top block decides whether the well is full.
  if (ReadCell(player, topRow + 1, SpawnColumn) != CellEmpty) {
    playerPhase[player] = PhaseGameOver;
    return;
  }

  pairTopRow[player] = static_cast<uint8_t>(topRow);
  pairTopCol[player] = SpawnColumn;
  pairBottomRow[player] = static_cast<uint8_t>(topRow + 1);
  pairBottomCol[player] = SpawnColumn;

  if (nextPairReady[player] == 0) {
    WriteCell(player, topRow, SpawnColumn, DrawBlockColour());
    WriteCell(player, topRow + 1, SpawnColumn, DrawBlockColour());
    nextPairReady[player] = 1;
  } else {
    WriteCell(player, topRow, SpawnColumn, nextTop[player]);
    WriteCell(player, topRow + 1, SpawnColumn, nextBottom[player]);
  }

  if (specialPending == 1) {
    nextTop[player] = CellSpecial;
    nextBottom[player] = CellSpecial;
    specialPending = 0;
  } else {
    nextTop[player] = DrawBlockColour();
    nextBottom[player] = DrawBlockColour();
  }

  playerPhase[player] = PhaseFalling;
}
