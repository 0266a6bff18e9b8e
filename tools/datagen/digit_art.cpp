// Counter digits and the intro, game-over, pause and network captions.
#include <string>

#include "screens/sprite_layout.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

LetterStyle SmallDigitStyle() {
  LetterStyle style;
  style.cellWidth = 1.6;
  style.cellHeight = 1;
  style.outline = 1;
  style.bevel = 1;
  style.smooth = false;
  style.colours = {{255, 236, 150}};
  return style;
}

LetterStyle LargeDigitStyle() {
  LetterStyle style;
  style.cellWidth = 4;
  style.cellHeight = 4;
  style.outline = 2;
  style.bevel = 2;
  style.colours = {{255, 196, 40}};
  return style;
}

LetterStyle CaptionStyle(double cellWidth, double cellHeight, Colour colour) {
  LetterStyle style;
  style.cellWidth = cellWidth;
  style.cellHeight = cellHeight;
  style.outline = 3;
  style.shadow = 3;
  style.bevel = 3;
  style.colours = {colour};
  return style;
}

constexpr Colour PlateLetters{255, 236, 150};

// A dark rounded plate, the ground of the captions drawn over a scene.
void PaintPlate(Canvas& picture, Rect box) {
  constexpr Colour PlateFill{28, 36, 92}, PlateRim{120, 150, 255};
  constexpr double RimWidth = 3, CornerRadius = 12;
  const double halfWidth = (box.right - box.left) / 2.0, halfHeight = (box.bottom - box.top) / 2.0;
  ShadeArea(picture, box, [=](double px, double py) {
    const double d = shape::RoundedBox(px - halfWidth, py - halfHeight, halfWidth, halfHeight, CornerRadius);
    if (d > 0) return Sample{};
    return Sample{d > -RimWidth ? PlateRim : PlateFill, 1};
  });
}

// A plate with a caption over a smaller line.
void PaintTwoLinePlate(Canvas& picture, Rect box, const char* caption, const char* below) {
  constexpr int LowerLine = 36;
  PaintPlate(picture, box);
  DrawTextCentred(picture, {box.left, box.top, box.right, box.bottom - LowerLine}, caption,
                  CaptionStyle(3.4, 4.2, PlateLetters));
  DrawTextCentred(picture, {box.left, box.bottom - LowerLine - 4, box.right, box.bottom - 4}, below,
                  CaptionStyle(2.4, 2.6, {150, 200, 255}));
}

void PaintNoticePlate(Canvas& picture, Rect box, const char* notice) {
  PaintPlate(picture, box);
  DrawTextCentred(picture, box, notice, CaptionStyle(3.6, 4, PlateLetters));
}

}  // namespace

void PaintDigits(Canvas& picture1) {
  for (int d = 0; d < 10; ++d) {
    const std::string digit(1, static_cast<char>('0' + d));
    DrawTextCentred(picture1, layout::SmallDigit(d), digit, SmallDigitStyle());
    DrawTextCentred(picture1, layout::LargeDigit(d), digit, LargeDigitStyle());
  }
}

void PaintCaptions(Canvas& picture1) {
  DrawTextCentred(picture1, layout::IntroCaption1, "READY", CaptionStyle(11, 8.5, {255, 204, 40}));
  DrawTextCentred(picture1, layout::IntroCaption2, "GO!", CaptionStyle(12, 9, {255, 88, 48}));
  DrawTextCentred(picture1, layout::GameOverCaption, "GAME OVER", CaptionStyle(6.4, 9.4, {236, 64, 120}));
}

// "PAUSE" on a plate, drawn over each well while a game is paused.
void PaintPauseCaption(Canvas& picture2) {
  PaintPlate(picture2, layout::PauseCaption);
  DrawTextCentred(picture2, layout::PauseCaption, "PAUSE", CaptionStyle(5.6, 4.6, PlateLetters));
}

void PaintNetworkCaptions(Canvas& picture2) {
  PaintTwoLinePlate(picture2, layout::WaitingCaption, "WAITING FOR PLAYER 2", "ESC CANCELS");
  PaintTwoLinePlate(picture2, layout::ConnectingCaption, "CONNECTING", "ESC CANCELS");
  PaintNoticePlate(picture2, layout::OpponentLeftNotice, "OPPONENT LEFT");
  PaintNoticePlate(picture2, layout::ConnectionLostNotice, "CONNECTION LOST");
  PaintNoticePlate(picture2, layout::OutOfSyncNotice, "OUT OF SYNC");
}
