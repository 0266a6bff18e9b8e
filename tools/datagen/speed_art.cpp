// The speed-select screen: a panel with a ten-step scale under the cursor's
// ten positions, a title and a help line; the rest lets the backdrop show.
#include <string>

#include "screens/sprite_layout.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr int Steps = 10;
constexpr int CursorFirstX = 52, CursorPitch = 54, CursorWidth = 39;
constexpr int ScaleBase = 150;
constexpr Colour PanelTop{50, 60, 132}, PanelFill{20, 22, 60}, PanelRim{150, 166, 214}, Gold{255, 204, 60};
constexpr Colour Groove{10, 10, 30}, GrooveEdge{90, 104, 170};

double StepCentre(int k) { return CursorFirstX + CursorPitch * k + CursorWidth / 2.0; }

Rect OnScreen(Rect local) {
  const Rect s = layout::SpeedScreen;
  return {s.left + local.left, s.top + local.top, s.left + local.right, s.top + local.bottom};
}

void PaintPlate(Canvas& canvas, Rect local, double radius) {
  const double halfW = (local.right - local.left) / 2.0, halfH = (local.bottom - local.top) / 2.0;
  ShadeArea(canvas, OnScreen(local), [=](double x, double y) {
    const double d = shape::RoundedBox(x - halfW, y - halfH, halfW, halfH, radius);
    if (d > 0) return Sample{};
    if (d > -1.5) return Sample{Ink, 1};
    if (d > -3.5) return Sample{PanelRim, 1};
    return Sample{Mix(PanelTop, PanelFill, y / (2 * halfH)), 1};
  });
}

// The slot the cursor slides along, just under its row.
void PaintTrack(Canvas& canvas) {
  const Rect track{static_cast<int>(StepCentre(0)) - 16, 89, static_cast<int>(StepCentre(Steps - 1)) + 17, 95};
  ShadeArea(canvas, OnScreen(track), [](double, double y) { return Sample{y >= 5 ? GrooveEdge : Groove, 1}; });
}

// Bars growing from green (slow) to red (fast), one under each cursor step.
void PaintScale(Canvas& canvas) {
  for (int k = 0; k < Steps; ++k) {
    const double height = 14 + 4.4 * k, centre = StepCentre(k);
    const Colour colour = Hsv(120 - 120.0 * k / (Steps - 1), 0.8, 1.0);
    const Rect bar{static_cast<int>(centre - 15), static_cast<int>(ScaleBase - height), static_cast<int>(centre + 15),
                   ScaleBase};
    ShadeArea(canvas, OnScreen(bar), [=](double x, double y) {
      if (x < 1 || y < 1 || x >= 29 || y >= height - 1) return Sample{Ink, 1};
      const double light = x < 4 ? 1.5 : (x >= 26 ? 0.6 : 1.15 - 0.3 * y / height);
      return Sample{Lit(colour, light), 1};
    });
    LetterStyle number;
    number.outline = 1;
    number.smooth = false;
    number.colours = {{230, 236, 255}};
    const std::string label(1, static_cast<char>('0' + k));
    DrawTextCentred(canvas, OnScreen({static_cast<int>(centre) - 10, 153, static_cast<int>(centre) + 10, 171}), label,
                    number);
  }
  LetterStyle ends;
  ends.outline = 1;
  ends.shadow = 1;
  ends.smooth = false;
  ends.colours = {{120, 230, 110}};
  DrawTextCentred(canvas, OnScreen({static_cast<int>(StepCentre(0)) - 40, 174, static_cast<int>(StepCentre(0)) + 40, 194}),
                  "SLOW", ends);
  ends.colours = {{255, 110, 90}};
  DrawTextCentred(canvas, OnScreen({static_cast<int>(StepCentre(9)) - 40, 174, static_cast<int>(StepCentre(9)) + 40, 194}),
                  "FAST", ends);
}

void PaintHeadings(Canvas& canvas) {
  LetterStyle title;
  title.cellWidth = 5;
  title.cellHeight = 6;
  title.outline = 3;
  title.shadow = 3;
  title.bevel = 2;
  title.colours = {Gold};
  DrawTextCentred(canvas, OnScreen({0, 236, 640, 300}), "SPEED SELECT", title);

  PaintPlate(canvas, {150, 388, 490, 432}, 12);
  LetterStyle help;
  help.outline = 1;
  help.smooth = false;
  help.colours = {{200, 214, 255}};
  DrawTextCentred(canvas, OnScreen({150, 388, 490, 432}), "< >  CHOOSE    Z  OK", help);
}

// A gold arrow pointing down at the scale.
Sample Pointer(double px, double py) {
  const double x = px - CursorWidth / 2.0, y = py;
  const double stem = shape::Box(x, y - 11, 6.5, 9);
  const double head = shape::Triangle(x * 0.72, -(y - 24), 6.9);
  const double d = std::min(stem, head);
  if (d > 0) return {};
  if (d > -1.6) return {Ink, 1};
  const double light = (x < -1 ? 1.55 : 1.05) - 0.35 * y / 40;
  return {Lit(Gold, light), 1};
}

}  // namespace

void PaintSpeedScreen(Canvas& picture0) {
  PaintPlate(picture0, {24, 30, 616, 202}, 16);
  PaintTrack(picture0);
  PaintScale(picture0);
  PaintHeadings(picture0);
  ShadeArea(picture0, layout::SpeedCursor, Pointer);
}
