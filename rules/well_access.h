// Bounds-checked access to the cells of a well: a cell outside the 16 x 9
// grid reads as wall and takes no write, so no state can reach past the array.
#pragma once

#include <cstdint>

#include "rules/state.h"

inline bool InsideWell(int row, int column) {
  return row >= 0 && row < WellRows && column >= 0 && column < WellColumns;
}

inline uint8_t ReadCell(uint8_t player, int row, int column) {
  return InsideWell(row, column) ? well[player][row][column] : CellWall;
}

inline void WriteCell(uint8_t player, int row, int column, uint8_t code) {
  if (InsideWell(row, column)) well[player][row][column] = code;
}

// The cell directly below the pair's bottom block.
inline uint8_t CellBelowPair(uint8_t player) {
  return ReadCell(player, pairBottomRow[player] + 1, pairBottomCol[player]);
}

// Moves both blocks of the pair by the given step, bottom block first, leaving
// empty cells behind; a move down thus hands the bottom's old cell to the top.
void MovePair(uint8_t player, int rowStep, int columnStep);
