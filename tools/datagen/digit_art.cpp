// Counter digits and the intro and game-over captions.
#include <string>

#include "screens/sprite_layout.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/painters.h"

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
