// The side panels: a steel-blue strip with recessed windows under the
// counters and previews the game draws there, each labelled just above.
#include <string_view>
#include <vector>

#include "screens/sprite_layout.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr int PanelWidth = 64;
constexpr Colour PanelTop{60, 74, 134}, PanelBottom{30, 36, 80}, Edge{150, 166, 214};
constexpr Colour WindowDark{8, 10, 28}, WindowLight{22, 26, 58}, WindowShade{20, 20, 44};
constexpr Colour LabelGold{255, 214, 90}, LabelRed{255, 96, 96}, LabelBlue{110, 180, 255};

struct Slot {
  Rect window;  // panel coordinates
  std::string_view label;
  int labelTop;
  Colour labelColour;
  double labelCell = 2;
};

void PaintBackground(Canvas& canvas, Rect area) {
  ShadeArea(canvas, area, [&](double x, double y) {
    if (x < 1 || x >= PanelWidth - 1) return Sample{Ink, 1};
    if (x < 3) return Sample{Lit(PanelTop, 1.35), 1};
    if (x >= PanelWidth - 3) return Sample{Lit(PanelBottom, 0.7), 1};
    Colour c = Mix(PanelTop, PanelBottom, y / (area.bottom - area.top));
    if (static_cast<int>(x + y) % 12 < 2) c = Lit(c, 1.08);
    return Sample{c, 1};
  });
}

void PaintWindow(Canvas& canvas, Rect area, Rect window) {
  const Rect onCanvas{area.left + window.left, area.top + window.top, area.left + window.right,
                      area.top + window.bottom};
  const int w = window.right - window.left, h = window.bottom - window.top;
  ShadeArea(canvas, onCanvas, [&](double x, double y) {
    if (x < 1 || y < 1) return Sample{WindowShade, 1};
    if (x >= w - 1 || y >= h - 1) return Sample{Edge, 1};
    return Sample{Mix(WindowLight, WindowDark, y / h), 1};
  });
}

void PaintPanel(Canvas& canvas, Rect area, const std::vector<Slot>& slots) {
  PaintBackground(canvas, area);
  for (const Slot& slot : slots) {
    PaintWindow(canvas, area, slot.window);
    LetterStyle style;
    style.cellWidth = slot.labelCell;
    style.cellHeight = slot.labelCell;
    style.outline = 1;
    style.shadow = slot.labelCell >= 2 ? 1 : 0;
    style.smooth = false;
    style.colours = {slot.labelColour};
    const TextSize size = MeasureText(slot.label, style);
    DrawText(canvas, area.left + (PanelWidth - size.width) / 2, area.top + slot.labelTop, slot.label, style);
  }
}

// Three small stones, one of each block group, as an emblem.
void PaintEmblem(Canvas& canvas, Rect area, int centreY) {
  const Colour colours[3] = {{232, 44, 52}, {250, 132, 28}, {208, 214, 230}};
  for (int i = 0; i < 3; ++i) {
    const Rect box{area.left + 4 + 19 * i, area.top + centreY - 9, area.left + 22 + 19 * i, area.top + centreY + 9};
    ShadeArea(canvas, box, [&, i](double px, double py) {
      const double x = px - 9, y = py - 9;
      const double d = i == 0 ? shape::Circle(x, y, 7.5) : i == 1 ? shape::RoundedBox(x, y, 7.5, 7.5, 2.5) : shape::Diamond(x, y, 8.5);
      if (d > 0) return Sample{};
      if (d > -1.2) return Sample{Ink, 1};
      return Sample{Lit(colours[i], 1.35 - 0.7 * (x + y + 16) / 32), 1};
    });
  }
}

}  // namespace

// Solo, drawn at x 430: next pair at (445, 12), cleared blocks at y 109,
// speed level at y 167, best chain at y 250, score at y 340, best at y 402.
void PaintSoloPanel(Canvas& picture1) {
  PaintPanel(picture1, layout::SoloSidePanel,
             {{{14, 11, 48, 77}, "NEXT", 0, LabelGold, 1.4},
              {{2, 106, 62, 121}, "CLEAR", 88, LabelGold},
              {{0, 164, 64, 202}, "SPEED", 146, LabelGold},
              {{0, 247, 64, 285}, "CHAIN", 229, LabelGold},
              {{0, 337, 64, 352}, "SCORE", 319, LabelGold},
              {{0, 399, 64, 414}, "BEST", 381, LabelGold}});
  PaintEmblem(picture1, layout::SoloSidePanel, 448);
}

// Versus, drawn at x 288: player 1's next pair at (303, 20) and count at
// y 117, the shared speed at y 206, player 2's next pair at (303, 342) and
// count at y 439.
void PaintVersusPanel(Canvas& picture2) {
  PaintPanel(picture2, layout::VersusSidePanel,
             {{{14, 19, 48, 85}, "1P", 1, LabelRed},
              {{2, 114, 62, 129}, "CLEAR", 96, LabelRed},
              {{0, 203, 64, 241}, "SPEED", 185, LabelGold},
              {{14, 341, 48, 407}, "2P", 322, LabelBlue},
              {{2, 436, 62, 451}, "CLEAR", 418, LabelBlue}});
  LetterStyle versus;
  versus.cellWidth = 4;
  versus.cellHeight = 5;
  versus.outline = 2;
  versus.shadow = 2;
  versus.bevel = 2;
  versus.colours = {LabelRed, LabelBlue};
  DrawTextCentred(picture2, {0, 250, PanelWidth, 310}, "VS", versus);
  PaintEmblem(picture2, layout::VersusSidePanel, 466);
}
