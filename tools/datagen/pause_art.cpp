// The pause caption: a dark rounded plate with "PAUSE" on it, drawn over
// each well while a game is paused.
#include "screens/sprite_layout.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr Colour PlateFill{28, 36, 92}, PlateRim{120, 150, 255};
constexpr double RimWidth = 3, CornerRadius = 12;

}  // namespace

void PaintPauseCaption(Canvas& picture2) {
  const Rect box = layout::PauseCaption;
  const double halfWidth = (box.right - box.left) / 2.0, halfHeight = (box.bottom - box.top) / 2.0;
  ShadeArea(picture2, box, [=](double px, double py) {
    const double d = shape::RoundedBox(px - halfWidth, py - halfHeight, halfWidth, halfHeight, CornerRadius);
    if (d > 0) return Sample{};
    return Sample{d > -RimWidth ? PlateRim : PlateFill, 1};
  });
  LetterStyle style;
  style.cellWidth = 6;
  style.cellHeight = 5;
  style.outline = 2;
  style.shadow = 2;
  style.bevel = 2;
  style.colours = {{255, 236, 150}};
  DrawTextCentred(picture2, box, "PAUSE", style);
}
