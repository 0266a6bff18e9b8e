// The title screen: the waving subtitle band, the bouncing name and the menu
// items, normal and highlighted.
#include <algorithm>
#include <string_view>

#include "screens/sprite_layout.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr Colour BandLight{214, 52, 96}, BandDark{116, 18, 72}, Trim{255, 206, 84};
constexpr Colour ItemNormal{156, 178, 232}, ItemLit{255, 222, 64};
constexpr Colour PlateFill{58, 30, 120}, PlateRim{255, 196, 80};

Rect Inset(Rect r, int left, int top, int right, int bottom) {
  return {r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

// A rounded ribbon with a gold trim, flying sideways as its rows wave.
void PaintSubtitleBand(Canvas& picture0) {
  const Rect band = Inset(layout::WavyLogo, 4, 8, 4, 8);
  const double halfW = (band.right - band.left) / 2.0, halfH = (band.bottom - band.top) / 2.0;
  ShadeArea(picture0, band, [=](double x, double y) {
    const double d = shape::RoundedBox(x - halfW, y - halfH, halfW, halfH, 14);
    if (d > 0) return Sample{};
    if (d > -2) return Sample{Ink, 1};
    if (d > -5 && d < -3) return Sample{Trim, 1};
    return Sample{Mix(BandLight, BandDark, y / (2 * halfH)), 1};
  });
  LetterStyle style;
  style.cellWidth = 3;
  style.cellHeight = 3;
  style.outline = 1.5;
  style.shadow = 1;
  style.colours = {{255, 246, 214}};
  DrawTextCentred(picture0, {band.left, band.top + 4, band.right, band.top + 34}, "FALLING BLOCK", style);
  DrawTextCentred(picture0, {band.left, band.top + 38, band.right, band.bottom - 4}, "PUZZLE", style);
}

// The game's name in big letters, each in a block colour, kept in the lower
// part of the picture so the band above stays in view when it rests.
void PaintName(Canvas& picture0) {
  LetterStyle style;
  style.cellWidth = 11;
  style.cellHeight = 13;
  style.outline = 4;
  style.shadow = 5;
  style.bevel = 4;
  style.colours = {{232, 44, 52}, {250, 132, 28}, {250, 206, 36}, {44, 188, 76},
                   {40, 208, 228}, {52, 112, 240}, {152, 76, 226}};
  const Rect logo = layout::BouncingLogo;
  DrawTextCentred(picture0, {logo.left, logo.top + 44, logo.right, logo.bottom}, "KERZONK", style);
}

void PaintItem(Canvas& canvas, Rect area, std::string_view text, int centreY, bool highlighted) {
  LetterStyle style;
  style.cellWidth = 3;
  style.cellHeight = 4;
  style.outline = 2;
  style.shadow = 2;
  style.bevel = 2;
  style.colours = {highlighted ? ItemLit : ItemNormal};
  const TextSize size = MeasureText(text, style);
  const int top = area.top + centreY - size.height / 2;
  if (highlighted) {
    const Rect plate{area.left + 2, std::max(top - 3, area.top), std::min(area.left + size.width + 24, area.right - 1),
                     std::min(top + size.height + 3, area.bottom)};
    const double plateW = plate.right - plate.left, plateH = plate.bottom - plate.top;
    ShadeArea(canvas, plate, [=](double x, double y) {
      const double d = shape::RoundedBox(x - plateW / 2, y - plateH / 2, plateW / 2, plateH / 2, 10);
      if (d > 0) return Sample{};
      if (d > -1.5) return Sample{PlateRim, 1};
      return Sample{Mix(Lit(PlateFill, 1.3), PlateFill, y / plateH), 1};
    });
  }
  DrawText(canvas, area.left + 14, top, text, style);
}

}  // namespace

// The title menu draws the items at (230, 260), (230, 305) and (230, 375)
// and the cursor at (190, 295 + 60 s), 32 pixels high: each item's text is
// centred on its cursor row.
void PaintTitle(Canvas& picture0, Canvas& picture1) {
  PaintSubtitleBand(picture0);
  PaintName(picture0);
  PaintItem(picture0, layout::Item0Normal, "1P GAME", 51, false);
  PaintItem(picture0, layout::Item0Highlighted, "1P GAME", 51, true);
  PaintItem(picture1, layout::Item1Normal, "VS GAME", 66, false);
  PaintItem(picture1, layout::Item1Highlighted, "VS GAME", 66, true);
  PaintItem(picture0, layout::Item2Normal, "SPEED", 56, false);
  PaintItem(picture0, layout::Item2Highlighted, "SPEED", 56, true);
}
