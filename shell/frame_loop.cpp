#include "audio/music.h"
#include "audio/sound.h"
#include "input/input.h"
#include "platform/platform.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/file_names.h"
#include "shell/scenes.h"
#include "video/display.h"
#include "video/picture.h"

int appActive = 0;
int surfacesLost = 0;

namespace {

void ReleaseAll() {
  ReleaseMusic(MusicSegmentCount);
  ReleaseSound(EffectCount);
  ReleaseDisplay(PictureCount);
}

// After a reactivation: bring back the display and reload the lost pictures.
void RestoreSurfaces() {
  surfacesLost = 0;
  RestorePrimary();
  for (int i = 0; i < PictureCount; ++i) RestorePicture(PictureFileNames[i], pictureSurfaces[i]);
}

// The handler acts on the input sampled at the end of the previous frame.
void RunFrame() {
  if (surfacesLost == 1) RestoreSurfaces();
  CallSceneHandler(currentScene);
  if (joystickPresent == 1) ReadJoystick();
  ReadKeyboard();
  FlipScreen();
  WaitNextFrame();
}

}  // namespace

void MainWindowProc(const platform::Message& message) {
  switch (message.kind) {
    case platform::MessageKind::Destroy:
      ReleaseAll();
      platform::host().PostQuit(0);
      break;
    case platform::MessageKind::Activate:
      appActive = message.value;
      surfacesLost = message.value;
      break;
    case platform::MessageKind::EscapeKey:
      platform::host().PostQuit(0);
      break;
    case platform::MessageKind::Quit:
    case platform::MessageKind::Other:
      break;
  }
}

bool RunLoopPass(int& exitCode) {
  StartFrameClock(FramesPerSecond);
  platform::Message message;
  if (platform::host().TakeMessage(message)) {
    if (message.kind == platform::MessageKind::Quit) {
      exitCode = message.value;
      return false;
    }
    MainWindowProc(message);
    return true;
  }
  if (appActive == 1) {
    RunFrame();
  } else {
    platform::host().WaitMessage();
  }
  return true;
}

int RunFrameLoop() {
  DetectJoystick();
  int exitCode = 0;
  while (RunLoopPass(exitCode)) {
  }
  ReleaseAll();
  return exitCode;
}
