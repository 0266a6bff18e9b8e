#include "audio/sound.h"
#include "rules/phases.h"
#include "rules/state.h"
#include "rules/well_access.h"
#include "shell/logic_clock.h"

namespace {
constexpr uint8_t SubStepsPerRow = 8;
}

void FallTick(uint8_t player) {
  if (playerPhase[player] >= PhaseResolve) return;

  // Unsigned difference, so the clock may wrap between two sub-steps.
  const uint32_t elapsed = LogicTicks() - lastFallTime[player];
  if (elapsed < static_cast<uint32_t>(fallInterval)) return;

  lastFallTime[player] = LogicTicks();
  ++fallStep[player];

  if (fallStep[player] == SubStepsPerRow && CellBelowPair(player) == CellEmpty) {
    MovePair(player, 1, 0);
    fallStep[player] = 0;
    dropRequested[player] = 0;
  }

  const bool lockDue = fallStep[player] == SubStepsPerRow || dropRequested[player] == 1;
  if (lockDue && CellBelowPair(player) < CellEmpty) {
    fallStep[player] = 0;
    dropRequested[player] = 0;
    PlayEffect(SfxLand);
    playerPhase[player] = PhaseResolve;
  }
}
