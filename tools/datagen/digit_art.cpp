// Counter digits and the intro, game-over and pause captions.
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

// A dark rounded plate with "PAUSE" on it, drawn over each well while a game is paused.
void PaintPauseCaption(Canvas& picture2) {
  constexpr Colour PlateFill{28, 36, 92}, PlateRim{120, 150, 255};
  constexpr double RimWidth = 3, CornerRadius = 12;
  const Rect box = layout::PauseCaption;
  const double halfWidth = (box.right - box.left) / 2.0, halfHeight = (box.bottom - box.top) / 2.0;
  ShadeArea(picture2, box, [=](double px, double py) {
    const double d = shape::RoundedBox(px - halfWidth, py - halfHeight, halfWidth, halfHeight, CornerRadius);
    if (d > 0) return Sample{};
    return Sample{d > -RimWidth ? PlateRim : PlateFill, 1};
  });
  DrawTextCentred(picture2, box, "PAUSE", CaptionStyle(5.6, 4.6, {255, 236, 150}));
}
