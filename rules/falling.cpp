#include "input/input.h"
#include "rules/phases.h"
#include "rules/state.h"
#include "rules/well_access.h"

namespace {

// Slots of repeatCount.
constexpr int RepeatSideways = 0;
constexpr int RepeatDown = 1;
constexpr int RepeatButton = 2;
constexpr int RepeatUp = 3;

// A held action repeats once its counter has run through these values.
constexpr uint8_t SidewaysRepeatLast = 7;
constexpr uint8_t DownRepeatLast = 3;
constexpr uint8_t ButtonRepeatLast = 30;
constexpr uint8_t UpRepeatLast = 30;

constexpr uint8_t ButtonKindDown = 1;
constexpr uint8_t ButtonKindUp = 2;
constexpr uint8_t KindStep = 4;

uint8_t DirectionsOf(uint8_t player) { return player == 0 ? keyDirections : joyDirections; }

uint8_t ButtonOf(uint8_t player) {
  return player == 0 ? keyButton : static_cast<uint8_t>(joyButtons & 0xFFu);
}

bool SideIsFree(uint8_t player, int columnStep) {
  return ReadCell(player, pairTopRow[player], pairTopCol[player] + columnStep) == CellEmpty &&
         ReadCell(player, pairBottomRow[player], pairBottomCol[player] + columnStep) == CellEmpty;
}

void PushDown(uint8_t player) {
  if (CellBelowPair(player) == CellEmpty) {
    fallStep[player] = 0;
    dropRequested[player] = 1;
    MovePair(player, 1, 0);
  } else {
    dropRequested[player] = 1;
  }
}

void SwapPair(uint8_t player) {
  const uint8_t top = ReadCell(player, pairTopRow[player], pairTopCol[player]);
  const uint8_t bottom = ReadCell(player, pairBottomRow[player], pairBottomCol[player]);
  WriteCell(player, pairTopRow[player], pairTopCol[player], bottom);
  WriteCell(player, pairBottomRow[player], pairBottomCol[player], top);
}

// Adds step to a block's code as a byte, then wraps it back into its group.
void StepKind(uint8_t player, int row, int column, int step, void (*wrap)(uint8_t&)) {
  uint8_t code = static_cast<uint8_t>(ReadCell(player, row, column) + step);
  wrap(code);
  WriteCell(player, row, column, code);
}

void StepPairKinds(uint8_t player, int step, void (*wrap)(uint8_t&)) {
  StepKind(player, pairTopRow[player], pairTopCol[player], step, wrap);
  StepKind(player, pairBottomRow[player], pairBottomCol[player], step, wrap);
}

uint8_t NextRepeat(uint8_t count, uint8_t last, bool released) {
  return count == last || released ? 0 : static_cast<uint8_t>(count + 1);
}

}  // namespace

void KindUp(uint8_t& cell) {
  if (cell >= 16 && cell <= 19) cell = 0;
  if (cell >= 32 && cell <= 35) cell = 16;
  if (cell >= 48 && cell <= 51) cell = 32;
  if (cell >= 64 && cell <= 67) cell = 48;
}

void KindDown(uint8_t& cell) {
  if (cell >= 44 && cell <= 47) cell = 60;
  if (cell >= 28 && cell <= 31) cell = 44;
  if (cell >= 12 && cell <= 15) cell = 28;
  if (cell >= 252) cell = 12;
}

void PhaseFallingHandler(uint8_t player) {
  // Each action compares the whole value, so a diagonal or two buttons do nothing.
  const uint8_t directions = DirectionsOf(player);
  const uint8_t button = ButtonOf(player);
  uint8_t* counters = repeatCount[player];

  if (directions == DirRight && counters[RepeatSideways] == 0 && SideIsFree(player, 1)) {
    MovePair(player, 0, 1);
  }
  if (directions == DirLeft && counters[RepeatSideways] == 0 && SideIsFree(player, -1)) {
    MovePair(player, 0, -1);
  }
  if (directions == DirDown && counters[RepeatDown] == 0) PushDown(player);
  if (directions == DirUp && counters[RepeatUp] == 0) SwapPair(player);
  if (button == ButtonKindUp && counters[RepeatButton] == 0) StepPairKinds(player, KindStep, KindUp);
  if (button == ButtonKindDown && counters[RepeatButton] == 0) {
    StepPairKinds(player, -KindStep, KindDown);
  }

  // All three direction counters run while any direction is held.
  const bool noDirection = directions == 0;
  counters[RepeatSideways] = NextRepeat(counters[RepeatSideways], SidewaysRepeatLast, noDirection);
  counters[RepeatDown] = NextRepeat(counters[RepeatDown], DownRepeatLast, noDirection);
  counters[RepeatButton] = NextRepeat(counters[RepeatButton], ButtonRepeatLast, button == 0);
  counters[RepeatUp] = NextRepeat(counters[RepeatUp], UpRepeatLast, noDirection);
}
