// The backdrop: a quiet indigo lattice (fixed, plain copy) under drifting
// block silhouettes (moving, keyed). Both repeat every 128 x 120 pixels.
#include <array>
#include <numbers>

#include "screens/sprite_layout.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr double TileWidth = 128, TileHeight = 120;
constexpr Colour LatticeDark{24, 24, 66}, LatticeLight{34, 36, 90}, LatticeDot{44, 48, 112};
constexpr Colour GhostFill{44, 50, 124}, GhostRim{70, 82, 170}, GhostShine{96, 112, 200};

// Periods of 32 and 30 pixels divide the tile, so the lattice wraps cleanly.
Sample Lattice(double x, double y) {
  const double u = 2 * std::numbers::pi * (x / 32 + y / 30), v = 2 * std::numbers::pi * (x / 32 - y / 30);
  const double ridge = 0.5 + 0.5 * std::cos(u) * std::cos(v);
  Colour c = Mix(LatticeDark, LatticeLight, ridge * ridge);
  const double cx = std::fmod(x, 32) - 16, cy = std::fmod(y, 30) - 15;
  if (shape::Diamond(cx, cy, 2.5) < 0) c = LatticeDot;
  return {c, 1};
}

struct Ghost {
  double x, y, size;
  int form;  // 0 round, 1 square, 2 diamond: the three block groups
};

constexpr std::array<Ghost, 5> Ghosts = {{
    {20, 18, 11, 0}, {84, 40, 13, 1}, {44, 82, 12, 2}, {112, 100, 9, 0}, {122, 6, 8, 2}}};

double GhostDistance(const Ghost& g, double x, double y) {
  switch (g.form) {
    case 0: return shape::Circle(x, y, g.size);
    case 1: return shape::RoundedBox(x, y, g.size, g.size, g.size * 0.3);
    default: return shape::Diamond(x, y, g.size * 1.2);
  }
}

Sample Drifting(double x, double y) {
  for (const Ghost& g : Ghosts) {
    for (int wx = -1; wx <= 1; ++wx) {
      for (int wy = -1; wy <= 1; ++wy) {
        const double dx = x - g.x - wx * TileWidth, dy = y - g.y - wy * TileHeight;
        const double d = GhostDistance(g, dx, dy);
        if (d > 0) continue;
        if (d > -1.5) return {GhostRim, 1};
        if ((dx + dy) < -g.size * 0.9 && d > -4) return {GhostShine, 1};
        return {GhostFill, 1};
      }
    }
  }
  return {};
}

}  // namespace

void PaintBackdropTiles(Canvas& picture1, Canvas& picture2) {
  ShadeArea(picture2, layout::BackdropFixedTile, Lattice);
  ShadeArea(picture1, layout::BackdropMovingTile, Drifting);
}
