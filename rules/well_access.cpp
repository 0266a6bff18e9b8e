#include "rules/well_access.h"

namespace {

void MoveBlock(uint8_t player, uint8_t& row, uint8_t& column, int rowStep, int columnStep) {
  const uint8_t code = ReadCell(player, row, column);
  WriteCell(player, row, column, CellEmpty);
  row = static_cast<uint8_t>(row + rowStep);
  column = static_cast<uint8_t>(column + columnStep);
  WriteCell(player, row, column, code);
}

}  // namespace

void MovePair(uint8_t player, int rowStep, int columnStep) {
  MoveBlock(player, pairBottomRow[player], pairBottomCol[player], rowStep, columnStep);
  MoveBlock(player, pairTopRow[player], pairTopCol[player], rowStep, columnStep);
}
