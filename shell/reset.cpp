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

void ResetGameState() {
  ReleaseMusic(MusicSegmentCount);
  ReleaseSound(EffectCount);
  ResetVideoState();
  ResetInputState();
  ResetVolumeState();
  ResetLogicClock();
  gamePaused = false;
  ResetRulesState();
  ResetScreensState();
  currentScene = SceneTitle;
  appActive = 0;
  surfacesLost = 0;
  framesPerPass = 1;
  nextFrameTick = 0;
  lastTick = 0;
  frameMs = 0;
}
