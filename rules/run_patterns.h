// The sixteen shapes a resolve pass looks for, in the order it scans them.
#pragma once

#include <array>

struct CellOffset {
  int row;
  int column;
};

struct RunPattern {
  int cellCount;                    // the start cell and the cells that follow it
  std::array<CellOffset, 4> others;  // offsets of the other cells from the start cell
  int firstRow, lastRow;             // start rows, inclusive
  int firstColumn, lastColumn;       // start columns, inclusive
  int points;
};

constexpr int RunPatternCount = 16;

constexpr std::array<RunPattern, RunPatternCount> runPatterns = {{
    {5, {{{0, 1}, {0, 2}, {0, 3}, {0, 4}}}, 0, 15, 1, 3, 30},       // horizontal
    {4, {{{0, 1}, {0, 2}, {0, 3}}}, 0, 15, 1, 4, 20},
    {3, {{{0, 1}, {0, 2}}}, 0, 15, 1, 5, 10},
    {5, {{{1, 0}, {2, 0}, {3, 0}, {4, 0}}}, 0, 11, 1, 7, 30},       // vertical
    {4, {{{1, 0}, {2, 0}, {3, 0}}}, 0, 12, 1, 7, 20},
    {3, {{{1, 0}, {2, 0}}}, 0, 13, 1, 7, 10},
    {5, {{{1, 1}, {2, 2}, {3, 3}, {4, 4}}}, 0, 11, 1, 3, 30},       // diagonal down-right
    {4, {{{1, 1}, {2, 2}, {3, 3}}}, 0, 12, 1, 4, 20},
    {3, {{{1, 1}, {2, 2}}}, 0, 13, 1, 5, 10},
    {5, {{{1, -1}, {2, -2}, {3, -3}, {4, -4}}}, 0, 11, 5, 7, 30},   // diagonal down-left
    {4, {{{1, -1}, {2, -2}, {3, -3}}}, 0, 12, 4, 7, 20},
    {3, {{{1, -1}, {2, -2}}}, 0, 13, 3, 7, 10},
    {3, {{{1, 0}, {1, 1}}}, 0, 15, 0, 6, 10},                        // corners
    {3, {{{1, 0}, {0, 1}}}, 0, 15, 0, 6, 10},
    {3, {{{1, 0}, {1, -1}}}, 0, 15, 1, 7, 10},
    {3, {{{1, 0}, {0, -1}}}, 0, 15, 1, 7, 10},
}};
