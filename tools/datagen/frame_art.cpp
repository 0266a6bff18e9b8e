// The well's frame tiles: a dark inside, steel floor slabs that stack like
// bricks, segmented side pillars and a bolted block for both bottom corners.
#include <numbers>

#include "screens/sprite_layout.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr Colour Steel{118, 138, 178}, Glow{80, 150, 255};
constexpr Colour InsideDeep{12, 14, 36}, InsideLight{20, 23, 54}, InsideGrid{30, 35, 76};
constexpr int Tile = 32;

Sample Inside(double x, double y) {
  if (x < 1 || y < 1) return {InsideGrid, 1};
  return {Mix(InsideLight, InsideDeep, (x + y) / (2 * Tile)), 1};
}

// Lit from the top; the top row catches the light, the bottom row is a seam.
Sample Floor(double x, double y) {
  if (y >= Tile - 1) return {Ink, 1};
  if (y < 1.5) return {Lit(Steel, 1.6), 1};
  double light = 1.25 - 0.6 * y / Tile;
  if (x < 1) light += 0.3;
  if (x >= Tile - 1) light -= 0.35;
  if (std::abs(y - 16) < 1.5 && std::abs(x - 16) < 10) light -= 0.25;  // a shallow groove
  return {Lit(Steel, light), 1};
}

// A rounded pillar with a glowing strip down its middle, in 32-pixel segments.
Sample Wall(double x, double y) {
  if (x < 1 || x >= Tile - 1) return {Ink, 1};
  if (y >= Tile - 1) return {Lit(Steel, 0.35), 1};
  const double across = (x - 13) / 17;
  double light = 0.55 + 0.75 * std::cos(std::clamp(across, -1.0, 1.0) * std::numbers::pi / 2);
  if (y < 1) light += 0.35;
  if (std::abs(x - 16) < 3) {
    const double strip = 1.0 - std::abs(x - 16) / 3;
    return {Mix(Lit(Steel, light * 0.7), Lit(Glow, 1.0 + 0.5 * strip), 0.8), 1};
  }
  return {Lit(Steel, light), 1};
}

Sample Corner(double x, double y) {
  if (x < 1 || x >= Tile - 1 || y >= Tile - 1) return {Ink, 1};
  double light = 1.1 - 0.35 * (x + y) / Tile;
  if (x < 3 || y < 3) light = 1.55;
  else if (x >= Tile - 4 || y >= Tile - 4) light = 0.5;
  const double bolt = shape::Circle(x - 16, y - 16, 4.5);
  if (bolt < 0) light = bolt > -1 ? 0.3 : 1.5 - 0.5 * (x + y - 32 + 9) / 9;
  return {Lit(Steel, light), 1};
}

}  // namespace

void PaintFrameTiles(Canvas& picture1) {
  ShadeArea(picture1, layout::frameTileRects[0], Inside);
  ShadeArea(picture1, layout::frameTileRects[1], Floor);
  ShadeArea(picture1, layout::frameTileRects[2], Wall);
  ShadeArea(picture1, layout::frameTileRects[3], Corner);
  ShadeArea(picture1, layout::frameTileRects[4], Corner);
}
