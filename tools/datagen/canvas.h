// A picture being painted: full colour per pixel plus an opaque flag. Pixels
// never painted stay transparent and become the key colour in the file.
#pragma once

#include <vector>

#include "tools/datagen/colour.h"
#include "video/surface.h"

// One sample of a painted shape: its colour and how much of it covers.
struct Sample {
  Colour colour;
  double alpha = 0;
};

class Canvas {
 public:
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Opaque(int x, int y) const;
  Colour At(int x, int y) const;

  // Blends c over the pixel with the given coverage. A transparent pixel
  // becomes opaque only when at least half covered, keeping sprite edges hard.
  void Put(int x, int y, Colour c, double coverage = 1.0);

 private:
  int width_, height_;
  std::vector<Colour> colours_;
  std::vector<bool> opaque_;
};

// Paints shape over area with 4 x 4 samples per pixel. shape takes a point in
// pixels relative to the area's top-left corner (pixel centres at .5) and
// returns its Sample there.
template <class Shape>
void ShadeArea(Canvas& canvas, Rect area, Shape shape) {
  constexpr int Grid = 4;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      Colour sum;
      double alpha = 0;
      for (int sy = 0; sy < Grid; ++sy) {
        for (int sx = 0; sx < Grid; ++sx) {
          const Sample s = shape(x - area.left + (sx + 0.5) / Grid, y - area.top + (sy + 0.5) / Grid);
          sum.r += s.colour.r * s.alpha;
          sum.g += s.colour.g * s.alpha;
          sum.b += s.colour.b * s.alpha;
          alpha += s.alpha;
        }
      }
      if (alpha <= 0) continue;
      canvas.Put(x, y, {sum.r / alpha, sum.g / alpha, sum.b / alpha}, alpha / (Grid * Grid));
    }
  }
}
