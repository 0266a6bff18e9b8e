#include "audio/music.h"
#include "audio/sound.h"
#include "audio/volume.h"
#include "platform/platform.h"
#include "shell/app.h"
#include "shell/file_names.h"
#include "shell/notice.h"
#include "video/display.h"
#include "video/picture.h"
#include "video/surface.h"

namespace {

constexpr const char* WindowTitle = "Kerzonk";
constexpr int DisplayBitsPerPixel = 8;

constexpr const char* NoSoundNotice =
    "現在の環境ではDirectSoundを利用できません。\n効果音無しでゲームを起動します。";
constexpr const char* NoMusicNotice =
    "現在の環境ではDirectMusicを利用できません。\nＢＧＭ音無しでゲームを起動します。";
constexpr const char* MusicFileNotice = "LoadMIDISegment失敗";

int LoadPictures() {
  for (int i = 0; i < PictureCount; ++i) {
    if (LoadPicture(PictureFileNames[i], &pictureSurfaces[i], paletteEntries, TransparentIndex) == 0) return 0;
  }
  return 1;
}

// A missing sound device is announced and the game runs silent; a missing
// effect file ends the start-up.
int StartSound() {
  if (InitSound() == 0) {
    ShowNotice(NoSoundNotice);
    ReleaseSound(EffectCount);
    return 1;
  }
  for (int i = 0; i < EffectCount; ++i) {
    if (LoadEffect(EffectFileNames[i], i) == 0) return 0;
  }
  ApplyEffectsVolume();
  return 1;
}

// A missing music device is announced and the game runs without music; a
// missing music file ends the start-up. The title music starts at once.
int StartMusicDevice() {
  if (InitMusic() == 0) {
    ShowNotice(NoMusicNotice);
    ReleaseMusic(MusicSegmentCount);
    return 1;
  }
  for (int i = 0; i < MusicSegmentCount; ++i) {
    if (LoadMIDISegment(i, MusicFileNames[i]) == 0) {
      ShowNotice(MusicFileNotice);
      return 0;
    }
  }
  ApplyMusicVolume();
  StartMusic(MusicTitle, MusicRepeats);
  return 1;
}

}  // namespace

int InitApplication() {
  if (!platform::host().OpenWindow(WindowTitle, ScreenWidth, ScreenHeight)) return 0;
  if (InitDisplay(ScreenWidth, ScreenHeight, DisplayBitsPerPixel) == 0) return 0;
  if (LoadPictures() == 0) return 0;
  if (StartSound() == 0) return 0;
  return StartMusicDevice();
}

int RunApplication() {
  if (InitApplication() == 0) return StartupFailedExitCode;
  return RunFrameLoop();
}
