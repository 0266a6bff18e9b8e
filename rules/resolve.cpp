#include <cstring>

#include "rules/phases.h"
#include "rules/run_patterns.h"
#include "rules/state.h"
#include "rules/well_access.h"
#include "shell/scenes.h"

namespace {

constexpr int SpeedBonusStep = 10;

// Tests are made start cell first and stop at the first that fails.
bool PatternMatchesAt(uint8_t player, const RunPattern& pattern, int row, int column) {
  const uint8_t start = ReadCell(player, row, column);
  if (start >= CellBlockLimit) return false;
  for (int i = 0; i < pattern.cellCount - 1; ++i) {
    const CellOffset offset = pattern.others[i];
    if (ReadCell(player, row + offset.row, column + offset.column) != start) return false;
  }
  return true;
}

void MarkPattern(uint8_t player, const RunPattern& pattern, int row, int column) {
  clearMarks[player][row][column] = well[player][row][column];
  for (int i = 0; i < pattern.cellCount - 1; ++i) {
    const int r = row + pattern.others[i].row;
    const int c = column + pattern.others[i].column;
    clearMarks[player][r][c] = well[player][r][c];
  }
}

// Every match counts, overlapping ones included.
void MarkAndScoreRuns(uint8_t player) {
  for (const RunPattern& pattern : runPatterns) {
    for (int row = pattern.firstRow; row <= pattern.lastRow; ++row) {
      for (int column = pattern.firstColumn; column <= pattern.lastColumn; ++column) {
        if (!PatternMatchesAt(player, pattern, row, column)) continue;
        MarkPattern(player, pattern, row, column);
        AddRunScore(pattern.points, player);
      }
    }
  }
}

bool AnyCellMarked(uint8_t player) {
  for (int row = 0; row < WellRows; ++row) {
    for (int column = 1; column <= WellColumns - 2; ++column) {
      if (clearMarks[player][row][column] < NotMarked) return true;
    }
  }
  return false;
}

// 48 to 64 inclusive: the special codes and the first flash picture.
bool CallsForSpecialPair(uint8_t code) { return code >= CellSpecial && code <= CellFlash; }

void EndTurn(uint8_t player) {
  if (currentScene == SceneSolo && player == 0) EarnSpecialPair();
  if (currentScene == SceneVersus) SettleVersusTurn(player);
  const int chainSteps = static_cast<int>(chainCount[player]) - 2;
  if (static_cast<int>(bestChain[player]) < chainSteps) {
    bestChain[player] = static_cast<uint8_t>(chainSteps);
  }
  chainCount[player] = 0;
  playerPhase[player] = PhaseSpawn;
}

}  // namespace

void AddRunScore(int points, uint8_t player) {
  if (currentScene != SceneSolo) return;
  const int32_t speedBonus = ((StartFallInterval - fallInterval) / SpeedBonusStep) * SpeedBonusStep;
  const int32_t gain = (points + speedBonus) * chainCount[player];
  // Added as 32-bit two's complement, so an overflowing score wraps instead of trapping.
  score = static_cast<int32_t>(static_cast<uint32_t>(score) + static_cast<uint32_t>(gain));
}

void PhaseResolveHandler(uint8_t player) {
  std::memset(clearMarks[player], NotMarked, sizeof clearMarks[player]);

  // Tested on every pass, at the cell where the last pair's top block landed.
  if (currentScene == SceneSolo &&
      CallsForSpecialPair(ReadCell(player, pairTopRow[player], pairTopCol[player]))) {
    ApplySpecialPair(player);
  }

  ++chainCount[player];
  MarkAndScoreRuns(player);

  if (AnyCellMarked(player)) {
    playerPhase[player] = PhaseFlash;
  } else {
    EndTurn(player);
  }
}
