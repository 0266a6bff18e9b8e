#include "tools/datagen/lettering.h"

#include <cmath>

#include "tools/datagen/pixel_font.h"

namespace {

// A coverage map over the text's box.
struct Layer {
  int width, height;
  std::vector<double> value;
  Layer(int w, int h) : width(w), height(h), value(static_cast<size_t>(w) * h, 0.0) {}
  double At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return value[static_cast<size_t>(y) * width + x];
  }
  double& Ref(int x, int y) { return value[static_cast<size_t>(y) * width + x]; }
};

double Advance(const LetterStyle& style) { return (font::GlyphWidth + style.spacing) * style.cellWidth; }

// Square cells smoothed in the manner of pixel-art scalers: a clear cell
// between two set neighbours that meet at a corner is half filled, so that
// staircases become diagonals; a set cell standing out at a corner is cut.
bool SmoothedCell(char c, double u, double v) {
  constexpr double Fill = 1.0, Cut = 0.6;
  const int column = static_cast<int>(std::floor(u)), row = static_cast<int>(std::floor(v));
  const double fu = u - column, fv = v - row;
  const bool set = font::Cell(c, column, row);
  for (int qx : {-1, 1}) {
    for (int qy : {-1, 1}) {
      const bool towardX = font::Cell(c, column + qx, row), towardY = font::Cell(c, column, row + qy);
      const bool awayX = font::Cell(c, column - qx, row), awayY = font::Cell(c, column, row - qy);
      const double toCorner = (qx > 0 ? 1 - fu : fu) + (qy > 0 ? 1 - fv : fv);
      if (!set && towardX && towardY && !awayX && !awayY && toCorner < Fill) return true;
      if (set && !towardX && !towardY && awayX && awayY && toCorner < Cut) return false;
    }
  }
  return set;
}

bool InsideGlyphs(std::string_view text, const LetterStyle& style, double px, double py, int& letter) {
  if (px < 0 || py < 0) return false;
  letter = static_cast<int>(px / Advance(style));
  if (letter >= static_cast<int>(text.size())) return false;
  const double u = (px - letter * Advance(style)) / style.cellWidth, v = py / style.cellHeight;
  if (style.smooth) return SmoothedCell(text[letter], u, v);
  return font::Cell(text[letter], static_cast<int>(u), static_cast<int>(v));
}

}  // namespace

TextSize MeasureText(std::string_view text, const LetterStyle& style) {
  const double glyphs = text.size() * Advance(style) - style.spacing * style.cellWidth;
  const double pad = 2 * std::ceil(style.outline) + std::ceil(style.shadow);
  return {static_cast<int>(std::ceil(glyphs + pad)),
          static_cast<int>(std::ceil(font::GlyphHeight * style.cellHeight + pad))};
}

void DrawText(Canvas& canvas, int left, int top, std::string_view text, const LetterStyle& style) {
  const TextSize size = MeasureText(text, style);
  const double origin = std::ceil(style.outline);
  Layer fill(size.width, size.height), border(size.width, size.height);
  std::vector<int> letterAt(static_cast<size_t>(size.width) * size.height, 0);

  constexpr int Grid = 4;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      int hits = 0, letter = 0;
      for (int s = 0; s < Grid * Grid; ++s) {
        const double px = x + (s % Grid + 0.5) / Grid - origin, py = y + (s / Grid + 0.5) / Grid - origin;
        if (InsideGlyphs(text, style, px, py, letter)) ++hits;
      }
      fill.Ref(x, y) = static_cast<double>(hits) / (Grid * Grid);
      InsideGlyphs(text, style, x + 0.5 - origin, y + 0.5 - origin, letter);
      letterAt[static_cast<size_t>(y) * size.width + x] = letter;
    }
  }

  const int reach = static_cast<int>(std::ceil(style.outline)) + 1;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      double nearest = 1e9;
      for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
          if (fill.At(x + dx, y + dy) >= 0.5) nearest = std::min(nearest, std::hypot(dx, dy));
      border.Ref(x, y) = std::clamp(style.outline + 0.5 - nearest, 0.0, 1.0);
    }
  }

  const int shadow = static_cast<int>(std::ceil(style.shadow));
  const Colour shadowColour = Mix(style.outlineColour, {0, 0, 0}, 0.4);
  const double textHeight = font::GlyphHeight * style.cellHeight;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      if (shadow > 0) canvas.Put(left + x, top + y, shadowColour, border.At(x - shadow, y - shadow));
    }
  }
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      canvas.Put(left + x, top + y, style.outlineColour, border.At(x, y));
      const double cover = fill.At(x, y);
      if (cover <= 0) continue;
      const Colour base = style.colours[letterAt[static_cast<size_t>(y) * size.width + x] % style.colours.size()];
      const double t = std::clamp((y + 0.5 - origin) / textHeight, 0.0, 1.0);
      double light = 1.45 - 0.8 * t;
      const int band = static_cast<int>(std::ceil(style.bevel));
      for (int k = 1; k <= band; ++k) {
        if (fill.At(x, y - k) < 0.5) light = std::max(light, 1.75);
        if (fill.At(x, y + k) < 0.5) light = std::min(light, 0.5);
      }
      canvas.Put(left + x, top + y, Lit(base, light), cover);
    }
  }
}

void DrawTextCentred(Canvas& canvas, Rect box, std::string_view text, const LetterStyle& style) {
  const TextSize size = MeasureText(text, style);
  const int left = box.left + (box.right - box.left - size.width) / 2;
  const int top = box.top + (box.bottom - box.top - size.height) / 2;
  DrawText(canvas, left, top, text, style);
}
