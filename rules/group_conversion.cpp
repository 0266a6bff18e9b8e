// The special pair: earned every 50 blocks in solo, it turns a whole group of
// blocks into one kind when it lands.

#include "rules/phases.h"
#include "rules/state.h"
#include "rules/well_access.h"

namespace {

constexpr int32_t BlocksPerSpecialPair = 50;
constexpr uint8_t CodesPerGroup = 16;
constexpr uint8_t CodesPerKind = 4;
constexpr uint8_t SpecialGroup = 3;

uint8_t GroupOf(uint8_t code) { return code / CodesPerGroup; }

bool IsSpecialBlock(uint8_t code) { return GroupOf(code) == SpecialGroup; }
bool IsOrdinaryBlock(uint8_t code) { return GroupOf(code) < SpecialGroup; }

}  // namespace

void EarnSpecialPair() {
  const int32_t earned = clearedBlocks[0] / BlocksPerSpecialPair;
  if (earned > specialsEarned) {
    specialsEarned = static_cast<uint8_t>(earned);
    specialPending = 1;
  }
}

void ApplySpecialPair(uint8_t player) {
  const int bottomRow = pairBottomRow[player];
  const int column = pairBottomCol[player];
  const uint8_t bottom = ReadCell(player, bottomRow, column);
  const uint8_t below = ReadCell(player, bottomRow + 1, column);
  // Only a special block resting on an ordinary one converts; on the floor or on
  // another special block nothing changes and the pair stays as group 3 blocks.
  if (!IsSpecialBlock(bottom) || !IsOrdinaryBlock(below)) return;

  const uint8_t turn = (bottom - CellSpecial) / CodesPerKind;
  const uint8_t group = GroupOf(below);
  const uint8_t target = static_cast<uint8_t>(CodesPerGroup * group + CodesPerKind * turn);

  WriteCell(player, pairTopRow[player], pairTopCol[player], target);
  WriteCell(player, bottomRow, column, target);
  for (int row = 0; row < WellRows; ++row) {
    for (int c = 1; c <= WellColumns - 2; ++c) {
      if (GroupOf(well[player][row][c]) == group) well[player][row][c] = target;
    }
  }
}
