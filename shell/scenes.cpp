#include "shell/scenes.h"

#include "rules/phases.h"
#include "rules/state.h"
#include "screens/screens.h"

uint8_t currentScene = SceneTitle;

const SceneHandler SceneHandlerTable[SceneHandlerCount] = {
    [](uint8_t) { TitleScene(); },
    [](uint8_t) { SpeedSelectScene(); },
    [](uint8_t) { SoloScene(); },
    [](uint8_t) { VersusScene(); },
    PhaseIntroHandler,
    PhaseSpawnHandler,
    PhaseFallingHandler,
    PhaseResolveHandler,
    PhaseFlashHandler,
    PhaseCollapseHandler,
    PhaseGameOverHandler,
};

void CallSceneHandler(uint8_t scene) { SceneHandlerTable[scene](0); }

void CallPhaseHandler(uint8_t player) { SceneHandlerTable[PhaseHandlerBase + playerPhase[player]](player); }

void DrawSoloBoard() {
  DrawBackdrop();
  DrawWellFrame(0);
  DrawSidePanel();
  if (playerPhase[0] > PhaseIntro) {
    DrawWell(0);
    DrawClearedCount(0);
    DrawSpeedLevel();
    DrawBestChain(0);
    DrawScore();
    DrawBestScore();
  }
}

void SoloScene() {
  DrawSoloBoard();
  CallPhaseHandler(0);
  if (playerPhase[0] > PhaseSpawn) FallTick(0);
}

namespace {

bool InPlay(uint8_t player) { return playerPhase[player] < PhaseGameOver; }

// A player whose pair is in the well and whose game is not over, while the
// other player's game is not over either.
bool Falling(uint8_t player, uint8_t other) {
  return playerPhase[player] > PhaseSpawn && InPlay(player) && InPlay(other);
}

}  // namespace

// Once one player is over the other stands still: neither its phase handler
// nor its fall timer runs until the game-over sequence ends.
void DrawVersusBoard() {
  DrawBackdrop();
  DrawWellFrame(0);
  DrawWellFrame(1);
  DrawSidePanel();
  if (playerPhase[0] > PhaseIntro) DrawWell(0);
  if (playerPhase[1] > PhaseIntro) DrawWell(1);
  DrawSpeedLevel();
  DrawClearedCount(0);
  DrawClearedCount(1);
}

void VersusScene() {
  DrawVersusBoard();
  // A game player 0's handler ends stays over for player 1 in this frame,
  // even when a button still held has started the next game from the title:
  // player 1's stale pair must not act on the cleared well.
  const bool gameEnding = !InPlay(0);
  if (InPlay(1)) CallPhaseHandler(0);
  if (!gameEnding) {
    if (InPlay(0)) CallPhaseHandler(1);
    if (Falling(0, 1)) FallTick(0);
    if (Falling(1, 0)) FallTick(1);
  }
  DrawRaiseGauge(0);
  DrawRaiseGauge(1);
}
