#include "shell/reset.h"

#include "audio/music.h"
#include "audio/sound.h"
#include "audio/volume.h"
#include "input/input.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/logic_clock.h"
#include "shell/pause.h"
#include "shell/scenes.h"
#include "video/display.h"

namespace {

// What a game leaves behind: the rules, the screens, the scene, the input
// values, the pause and the logic clock.
void ResetPlay() {
  ResetLogicClock();
  gamePaused = false;
  ResetRulesState();
  ResetScreensState();
  currentScene = SceneTitle;
}

}  // namespace

void ResetGameState() {
  ReleaseMusic(MusicSegmentCount);
  ReleaseSound(EffectCount);
  ResetVideoState();
  ResetInputState();
  ResetVolumeState();
  ResetPlay();
  appActive = 0;
  surfacesLost = 0;
  framesPerPass = 1;
  nextFrameTick = 0;
  lastTick = 0;
  frameMs = 0;
}

void RestartGame() {
  if (gamePaused) PauseAudio(false);
  ResetInputValues();
  ResetPlay();
  StartMusic(MusicTitle, MusicRepeats);
}
