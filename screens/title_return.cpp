#include "audio/music.h"
#include "screens/title.h"
#include "shell/scenes.h"

void ShowTitleAfterChange(bool startTitleMusic) {
  currentScene = SceneTitle;
  RevealScene(TitleScene, startTitleMusic ? MusicTitle : KeepMusic);
}
