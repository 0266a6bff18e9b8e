#include "tools/soak/game_invariants.h"

#include "rules/state.h"
#include "screens/screens.h"
#include "shell/scenes.h"

namespace {

constexpr uint8_t LastSpecialCode = 60;
constexpr uint8_t LastFlashCode = 75;
constexpr int MenuItems = 3;
constexpr int ScorePoint = 10;

bool IsBorder(int row, int column) { return row == WellRows - 1 || column == 0 || column == WellColumns - 1; }
bool IsBlock(uint8_t code) { return code <= LastSpecialCode && code % 4 == 0; }
bool IsFlash(uint8_t code) { return code >= CellFlash && code <= LastFlashCode; }

std::string Where(int player, int row, int column) {
  return "player " + std::to_string(player) + " cell (" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

bool CheckWell(int p, std::string& fault) {
  for (int row = 0; row < WellRows; ++row) {
    for (int column = 0; column < WellColumns; ++column) {
      const uint8_t code = well[p][row][column];
      const uint8_t mark = clearMarks[p][row][column];
      if (IsBorder(row, column)
              ? code != CellWall
              : !(IsBlock(code) || code == CellEmpty || (IsFlash(code) && playerPhase[p] == PhaseFlash))) {
        fault = Where(p, row, column) + " holds code " + std::to_string(code);
        return false;
      }
      if (mark != NotMarked && !IsBlock(mark)) {
        fault = Where(p, row, column) + " is marked with " + std::to_string(mark);
        return false;
      }
    }
  }
  return true;
}

bool InPlay(int p) { return currentScene == SceneVersus || (currentScene == SceneSolo && p == 0); }

bool CheckFallingPair(int p, std::string& fault) {
  if (!InPlay(p) || playerPhase[p] != PhaseFalling) return true;
  const bool upright = pairBottomRow[p] == pairTopRow[p] + 1 && pairBottomCol[p] == pairTopCol[p];
  const bool inside = pairTopCol[p] >= 1 && pairTopCol[p] <= WellColumns - 2 && pairBottomRow[p] < WellRows - 1;
  if (!upright || !inside || !IsBlock(well[p][pairTopRow[p]][pairTopCol[p]]) ||
      !IsBlock(well[p][pairBottomRow[p]][pairBottomCol[p]])) {
    fault = "player " + std::to_string(p) + "'s falling pair is broken at (" + std::to_string(pairTopRow[p]) + ", " +
            std::to_string(pairTopCol[p]) + ")";
    return false;
  }
  return true;
}

}  // namespace

bool CheckGameInvariants(std::string& fault) {
  if (currentScene > SceneVersus) {
    fault = "unknown scene " + std::to_string(currentScene);
    return false;
  }
  if (score < 0 || score % ScorePoint != 0) {
    fault = "score " + std::to_string(score) + " is not a whole number of tens";
    return false;
  }
  if (fallInterval < 0 || fallInterval > StartFallInterval) {
    fault = "fall interval " + std::to_string(fallInterval) + " is out of range";
    return false;
  }
  if (menuSelection < 0 || menuSelection >= MenuItems) {
    fault = "menu selection " + std::to_string(menuSelection) + " is out of range";
    return false;
  }
  for (int p = 0; p < PlayerCount; ++p) {
    if (playerPhase[p] > PhaseGameOver) {
      fault = "player " + std::to_string(p) + " is in unknown phase " + std::to_string(playerPhase[p]);
      return false;
    }
    if (!CheckWell(p, fault) || !CheckFallingPair(p, fault)) return false;
  }
  return true;
}
