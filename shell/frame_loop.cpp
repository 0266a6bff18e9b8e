#include <utility>

#include "audio/music.h"
#include "audio/sound.h"
#include "audio/volume.h"
#include "input/input.h"
#include "input/sample_hooks.h"
#include "platform/platform.h"
#include "screens/pause_screen.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/file_names.h"
#include "shell/pause.h"
#include "shell/scenes.h"
#include "video/display.h"
#include "video/picture.h"

int appActive = 0;
int surfacesLost = 0;
int framesPerPass = 1;

namespace {

std::function<void()> inactiveWait;

// After a reactivation: bring back the display and reload the lost pictures.
void RestoreSurfaces() {
  surfacesLost = 0;
  RestorePrimary();
  for (int i = 0; i < PictureCount; ++i) RestorePicture(PictureFileNames[i], pictureSurfaces[i]);
}

void HandleMuteKeys() {
  const MutePresses presses = TakeMutePresses();
  if (presses.music) ToggleMusicMute();
  if (presses.effects) ToggleEffectsMute();
}

// The handler acts on the input sampled at the end of the previous frame.
// While paused no handler runs: the paused picture is drawn instead.
void RunGameFrame() {
  if (gamePaused) {
    DrawPausedGame();
  } else {
    CallSceneHandler(currentScene);
  }
  ApplyInputSample(PassInputSample(TakeInputSample()));
}

// Only the last of the pass's frames is shown.
void RunFrame() {
  if (surfacesLost == 1) RestoreSurfaces();
  const int frames = framesPerPass;
  for (int i = 0; i < frames; ++i) RunGameFrame();
  HandleMuteKeys();
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

void ReleaseAll() {
  ReleaseMusic(MusicSegmentCount);
  ReleaseSound(EffectCount);
  ReleaseDisplay(PictureCount);
}

void SetInactiveWait(std::function<void()> wait) { inactiveWait = std::move(wait); }

bool HandleMessage(const platform::Message& message, int& exitCode) {
  if (message.kind == platform::MessageKind::Quit) {
    exitCode = message.value;
    return false;
  }
  MainWindowProc(message);
  return true;
}

bool RunLoopPass(int& exitCode) {
  StartFrameClock(FramesPerSecond);
  platform::Message message;
  if (platform::host().TakeMessage(message)) return HandleMessage(message, exitCode);
  if (appActive == 1) {
    RunFrame();
  } else if (inactiveWait) {
    inactiveWait();
  } else {
    platform::host().WaitMessage();
  }
  return true;
}

int RunFrameLoop() {
  int exitCode = 0;
  while (RunLoopPass(exitCode)) {
  }
  ReleaseAll();
  return exitCode;
}
