#include "audio/sound.h"
#include "rules/phases.h"
#include "rules/state.h"

namespace {

constexpr uint8_t PointsPerRaise = 15;
constexpr uint8_t MaxRaises = 14;  // the 14th raise puts the spawn test on the floor
constexpr int LowestRaisedFrameRow = FrameRows - 2;
constexpr uint8_t ChainStepsCountedOnce = 3;

void RaiseWell(uint8_t player, uint8_t opponent) {
  if (attackMeter[opponent] < PointsPerRaise) return;
  // No frame row is left to fill once the well is fully raised.
  if (raisedRows[player] >= MaxRaises) return;
  PlayEffect(SfxRaise);
  ++viewTopRow[player];
  ++spawnRow[player];
  uint8_t* frameRow = frameTiles[player][LowestRaisedFrameRow - raisedRows[player]];
  for (int column = 1; column <= WellColumns - 2; ++column) frameRow[column] = TileFloor;
  ++raisedRows[player];
  attackMeter[opponent] = static_cast<uint8_t>(attackMeter[opponent] - PointsPerRaise);
}

// Blocks of a turn with one or two clearing steps count once, then once more per extra step.
void GainAttackPoints(uint8_t player) {
  const uint8_t passes = chainCount[player];
  uint8_t gain = turnClearCount[player];
  if (passes > ChainStepsCountedOnce) gain = static_cast<uint8_t>(gain * (passes - 2));
  attackMeter[player] = static_cast<uint8_t>(attackMeter[player] + gain);
  turnClearCount[player] = 0;
}

}  // namespace

void SettleVersusTurn(uint8_t player) {
  const uint8_t opponent = player == 0 ? 1 : 0;
  RaiseWell(player, opponent);
  GainAttackPoints(player);
}
