#include "shell/pause.h"

#include "audio/volume.h"
#include "shell/logic_clock.h"
#include "shell/scenes.h"

bool gamePaused = false;

void TogglePause() {
  if (currentScene != SceneSolo && currentScene != SceneVersus) return;
  gamePaused = !gamePaused;
  if (gamePaused) {
    StopLogicClock();
  } else {
    StartLogicClock();
  }
  PauseAudio(gamePaused);
}
