#include "audio/music.h"
#include "audio/sound.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "shell/scenes.h"
#include "video/display.h"
#include "video/fade.h"

namespace {

// The opening phase plays its sound only while effectLatch is 0; holding the
// latch during the change defers that sound to the first regular frame.
void EnterGame(uint8_t scene, uint8_t playersInPlay, void (*drawScene)()) {
  PlayEffect(SfxConfirm);
  effectLatch = 1;
  currentScene = scene;
  for (uint8_t p = 0; p < playersInPlay; ++p) playerPhase[p] = PhaseIntro;
  RevealScene(drawScene, MusicGame);
  effectLatch = 0;
  ResetTitleLogo();
  speedCursorX = SpeedCursorSlowest;
}

}  // namespace

void RevealScene(void (*drawScene)(), int musicSegment) {
  FadeToBlack();
  drawScene();
  FlipScreen();
  drawScene();
  if (musicSegment != KeepMusic) PlayMusic(musicSegment, MusicRepeats);
  FadeFromBlack();
}

void ReturnToTitle(int musicSegment) {
  currentScene = SceneTitle;
  RevealScene(TitleScene, musicSegment);
}

void EnterSolo() {
  ReadBestScore();
  EnterGame(SceneSolo, 1, SoloScene);
}

void EnterVersus() { EnterGame(SceneVersus, PlayerCount, VersusScene); }

// The title has cleared keyButton so that the speed-select screen does not
// take the confirming press during its two drawings.
void EnterSpeedSelect() {
  PlayEffect(SfxConfirm);
  currentScene = SceneSpeedSelect;
  RevealScene(SpeedSelectScene, KeepMusic);
  ResetTitleLogo();
}
