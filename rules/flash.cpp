#include "audio/sound.h"
#include "rules/phases.h"
#include "rules/state.h"
#include "shell/scenes.h"

namespace {

constexpr float FlashDelayStep = 0.5f;
constexpr int FlashDelayFrames = 16;    // integer part of flashDelay at which flashing starts
constexpr uint8_t FlashFrameWrap = 33;  // flashFrame runs on from here ...
constexpr uint8_t FlashFrameRestart = 18;  // ... at this value
constexpr uint8_t FlashLastTick = 48;   // removal once flashTicks has passed this
constexpr int FlashFramesPerCode = 3;

// Only the playing area: walls and floor are never touched, whatever the marks hold.
template <typename Action>
void ForEachMarkedCell(uint8_t player, Action action) {
  for (int row = 0; row < WellRows - 1; ++row) {
    for (int column = 1; column < WellColumns - 1; ++column) {
      if (clearMarks[player][row][column] < NotMarked) action(well[player][row][column]);
    }
  }
}

void RemoveMarkedBlocks(uint8_t player) {
  const bool versus = currentScene == SceneVersus;
  ForEachMarkedCell(player, [&](uint8_t& cell) {
    ++clearedBlocks[player];
    if (versus) ++turnClearCount[player];
    cell = CellEmpty;
  });
  flashDelay[player] = 0.0f;
  flashRunning[player] = 0;
  flashTicks[player] = 0;
  flashFrame[player] = 0;
  playerPhase[player] = PhaseCollapse;
  effectLatch = 0;
}

}  // namespace

void PhaseFlashHandler(uint8_t player) {
  // One latch for both players: a second flash that starts meanwhile stays silent.
  if (effectLatch == 0) {
    PlayEffect(SfxFlash);
    effectLatch = 1;
  }
  if (flashRunning[player] == 0) flashDelay[player] += FlashDelayStep;
  if (static_cast<int>(flashDelay[player]) >= FlashDelayFrames) {
    flashRunning[player] = 1;
    flashDelay[player] = 0.0f;
  }
  if (flashFrame[player] == FlashFrameWrap) flashFrame[player] = FlashFrameRestart;
  if (flashRunning[player] == 1) {
    ++flashTicks[player];
    ++flashFrame[player];
    const uint8_t code = static_cast<uint8_t>(CellFlash + flashFrame[player] / FlashFramesPerCode);
    ForEachMarkedCell(player, [code](uint8_t& cell) { cell = code; });
  }
  if (flashTicks[player] > FlashLastTick) RemoveMarkedBlocks(player);
}
