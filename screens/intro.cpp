#include "screens/intro.h"

#include "audio/sound.h"
#include "rules/state.h"
#include "screens/caption_motion.h"
#include "screens/sprite_layout.h"
#include "video/blit.h"
#include "video/picture.h"

namespace {

constexpr double Caption1StartY = 490.0, Caption2StartY = 480.0;
constexpr double CaptionStartSpeed = 10.0;
constexpr int Caption1X = 140, Caption2X = 202;
// Caption 2 is 74 pixels high: above this it has left the screen.
constexpr double IntroEndY = -74.0;

void DrawCaption(int x, double y, const Rect& source) {
  DrawSpriteClipped(x, static_cast<int>(y), pictureSurfaces[layout::SpritePicture], source, CopyKeyed);
}

}  // namespace

double introCaptionY[2] = {Caption1StartY, Caption2StartY};
double introCaptionSpeed[2] = {CaptionStartSpeed, CaptionStartSpeed};
uint8_t introCaption1Braking = 0;
uint8_t introCaption2Braking = 0;
uint8_t introCaption2Active = 0;

void ResetIntroState() {
  introCaptionY[0] = Caption1StartY;
  introCaptionY[1] = Caption2StartY;
  introCaptionSpeed[0] = introCaptionSpeed[1] = CaptionStartSpeed;
  introCaption1Braking = introCaption2Braking = introCaption2Active = 0;
}

void PhaseIntroHandler(uint8_t player) {
  // One animation for the whole game, run in player 0's call.
  if (player != 0) return;
  if (effectLatch == 0) {
    PlayEffect(SfxIntro);
    effectLatch = 1;
  }
  if (MoveCaption(introCaptionY[0], introCaptionSpeed[0], introCaption1Braking)) introCaption2Active = 1;
  DrawCaption(Caption1X, introCaptionY[0], layout::IntroCaption1);
  if (introCaption2Active == 1) {
    MoveCaption(introCaptionY[1], introCaptionSpeed[1], introCaption2Braking);
    DrawCaption(Caption2X, introCaptionY[1], layout::IntroCaption2);
  }
  if (introCaptionY[1] < IntroEndY) {
    effectLatch = 0;
    ResetIntroState();
    for (uint8_t& phase : playerPhase) phase = PhaseSpawn;
  }
}
