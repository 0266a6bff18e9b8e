#include "screens/speed_select.h"

#include "audio/sound.h"
#include "input/input.h"
#include "rules/state.h"
#include "screens/sprite_layout.h"
#include "screens/title.h"
#include "shell/scenes.h"
#include "video/blit.h"
#include "video/picture.h"

int speedCursorX = SpeedCursorSlowest;
uint8_t speedRepeat = 0;

namespace {

constexpr int SpeedCursorStep = 54;
constexpr int SpeedCursorY = 46;
constexpr int FallIntervalFastest = 60;
constexpr int FallIntervalStep = 10;
constexpr uint8_t SpeedRepeatFrames = 10;

void ConfirmSpeed() {
  // Cleared first so the title's two drawings do not take the same press.
  keyButton = 0;
  PlayEffect(SfxConfirm);
  ReturnToTitle(KeepMusic);
}

}  // namespace

void SpeedSelectScene() {
  DrawBackdrop();
  if (keyDirections == DirRight && speedRepeat == 0) {
    PlayEffect(SfxCursor);
    speedCursorX += SpeedCursorStep;
    fallInterval -= FallIntervalStep;
  }
  if (keyDirections == DirLeft && speedRepeat == 0) {
    PlayEffect(SfxCursor);
    speedCursorX -= SpeedCursorStep;
    fallInterval += FallIntervalStep;
  }
  if (speedRepeat != SpeedRepeatFrames && keyDirections != 0) {
    ++speedRepeat;
  } else {
    speedRepeat = 0;
  }
  if (speedCursorX < SpeedCursorSlowest) speedCursorX = SpeedCursorFastest;
  if (speedCursorX > SpeedCursorFastest) speedCursorX = SpeedCursorSlowest;
  if (fallInterval > StartFallInterval) fallInterval = FallIntervalFastest;
  if (fallInterval < FallIntervalFastest) fallInterval = StartFallInterval;

  const Surface* picture = pictureSurfaces[layout::TitlePicture];
  DrawSprite(0, 0, picture, layout::SpeedScreen, CopyKeyed);
  DrawSprite(speedCursorX, SpeedCursorY, picture, layout::SpeedCursor, CopyKeyed);
  if (keyButton > 0) ConfirmSpeed();
}
