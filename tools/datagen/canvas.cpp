#include "tools/datagen/canvas.h"

#include <cstddef>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), colours_(static_cast<size_t>(width) * height),
      opaque_(static_cast<size_t>(width) * height, false) {}

bool Canvas::Opaque(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return opaque_[static_cast<size_t>(y) * width_ + x];
}

Colour Canvas::At(int x, int y) const { return colours_[static_cast<size_t>(y) * width_ + x]; }

void Canvas::Put(int x, int y, Colour c, double coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  const size_t i = static_cast<size_t>(y) * width_ + x;
  if (opaque_[i]) {
    colours_[i] = Mix(colours_[i], c, std::min(coverage, 1.0));
  } else if (coverage >= 0.5) {
    colours_[i] = c;
    opaque_[i] = true;
  }
}
