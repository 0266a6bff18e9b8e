#include "audio/music.h"
#include "screens/title.h"
#include "shell/scenes.h"
#include "video/display.h"
#include "video/fade.h"

void ShowTitleAfterChange(bool startTitleMusic) {
  currentScene = SceneTitle;
  FadeToBlack();
  // Drawn twice so that the shown and the hidden buffer both hold the title.
  TitleScene();
  FlipScreen();
  TitleScene();
  if (startTitleMusic) PlayMusic(MusicTitle, MusicRepeats);
  FadeFromBlack();
}
