// Ordinary and special blocks: shaped, shaded, marked and gently animated.
#include <array>

#include "screens/sprite_layout.h"
#include "tools/datagen/block_art.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/pixel_font.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr int KindCount = 12, FrameCount = 4;
constexpr double Centre = 16;
constexpr double OutlineWidth = 1.3;

// Kind k belongs to group k / 4 and carries mark k % 4.
constexpr std::array<Colour, KindCount> KindColours = {{
    {232, 44, 52},   {250, 206, 36},  {44, 188, 76},   {52, 112, 240},   // gems
    {250, 132, 28},  {40, 208, 228},  {152, 76, 226},  {248, 112, 182},  // tiles
    {208, 214, 230}, {158, 228, 44},  {214, 44, 168},  {184, 118, 58}}}; // diamonds

// The frames brighten and fade again, with a glint that grows and shrinks,
// so the last frame leads smoothly into the first.
constexpr std::array<double, FrameCount> Pulse = {0.0, 0.07, 0.14, 0.07};
constexpr std::array<double, FrameCount> GlintReach = {0.0, 2.2, 4.0, 2.2};

double BodyDistance(int group, double x, double y) {
  switch (group) {
    case 0: return shape::Circle(x, y, 14.6);
    case 1: return shape::RoundedBox(x, y, 14.6, 14.6, 4.5);
    default: return shape::Diamond(x, y, 15.8);
  }
}

// Light from the upper left on a sphere, a bevelled tile or a cut stone.
double BodyLight(int group, double x, double y, double depth) {
  if (group == 0) {
    const double nx = x / 14.6, ny = y / 14.6, nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    const double norm = std::sqrt(lx * lx + ly * ly + lz * lz);
    const double lambert = std::max(0.0, (nx * lx + ny * ly + nz * lz) / norm);
    const double hx = lx / norm, hy = ly / norm, hz = lz / norm + 1, hn = std::hypot(hx, hy, hz);
    const double specular = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hn), 28);
    return 0.3 + 0.85 * lambert + 0.9 * specular;
  }
  if (group == 1) {
    if (depth > 4.2) return 1.08 - 0.18 * y / 16;
    const double e = 0.01;
    const double gx = BodyDistance(1, x + e, y) - BodyDistance(1, x - e, y);
    const double gy = BodyDistance(1, x, y + e) - BodyDistance(1, x, y - e);
    const double n = std::hypot(gx, gy);
    return 1.0 + 0.55 * (-gx - gy) / (n * std::numbers::sqrt2);
  }
  if (std::abs(x) + std::abs(y) < 7.5) return 1.2 - 0.12 * (x + y) / 7.5;
  if (x < 0 && y < 0) return 1.5;
  if (x >= 0 && y < 0) return 1.05;
  if (x < 0) return 0.82;
  return 0.55;
}

double MarkDistance(int mark, double x, double y) {
  switch (mark) {
    case 0: return shape::Circle(x, y, 3.8);
    case 1: return shape::Triangle(x, y - 1, 2.9);
    case 2: return std::min(shape::Box(x, y, 5.2, 1.7), shape::Box(x, y, 1.7, 5.2));
    default: return std::min(shape::Box(x, y - 2.8, 5.0, 1.5), shape::Box(x, y + 2.8, 5.0, 1.5));
  }
}

Sample OrdinaryBlock(int kind, int frame, double px, double py) {
  const int group = kind / 4;
  const double x = px - Centre, y = py - Centre;
  const double d = BodyDistance(group, x, y);
  if (d > 0) return {};
  if (d > -OutlineWidth) return {Ink, 1};
  const Colour base = KindColours[kind];
  Colour colour = Lit(base, BodyLight(group, x, y, -d) * (1 + Pulse[frame]));
  const double markScale = group == 2 ? 0.85 : 1.0;
  const double m = MarkDistance(kind % 4, x / markScale, (y - 0.5) / markScale) * markScale;
  if (m < 0) colour = Lit(base, 1.82 + Pulse[frame]);
  else if (m < 1.2) colour = Lit(base, 0.28);
  if (shape::Glint(x + 7, y + 7, GlintReach[frame])) colour = White;
  return {colour, 1};
}

double OctagonLight(double x, double y, double depth) {
  if (depth > 4.0) return 1.0;
  const double e = 0.01;
  const double gx = shape::Octagon(x + e, y, 14.8) - shape::Octagon(x - e, y, 14.8);
  const double gy = shape::Octagon(x, y + e, 14.8) - shape::Octagon(x, y - e, 14.8);
  const double n = std::hypot(gx, gy);
  return 1.0 + 0.5 * (-gx - gy) / (n * std::numbers::sqrt2);
}

// A rainbow octagon whose colours flow a quarter turn per frame, a white star
// and the variant's number 1 to 4.
Sample SpecialBlock(int variant, int frame, double px, double py) {
  const double x = px - Centre, y = py - Centre;
  const double d = shape::Octagon(x, y, 14.8);
  if (d > 0) return {};
  if (d > -OutlineWidth) return {Ink, 1};
  const Colour rainbow = Hsv((px + py) * 5.6 + frame * 90, 0.72, 1.0);
  Colour colour = Lit(rainbow, OctagonLight(x, y, -d));
  const double star = shape::Star(x + 0.5, y - 0.8, 13.4, 6.4, 5);
  if (star < 0) colour = star > -1.1 ? Ink : Mix(White, {255, 214, 90}, std::clamp((y + 12) / 26, 0.0, 1.0));
  if (font::Cell(static_cast<char>('1' + variant), static_cast<int>(std::floor(px)) - 14,
                 static_cast<int>(std::floor(py)) - 14)) {
    colour = Ink;
  }
  return {colour, 1};
}

}  // namespace

Sample RestingBlock(int kind, double x, double y) { return OrdinaryBlock(kind, 0, x, y); }

void PaintOrdinaryBlocks(Canvas& picture1) {
  for (int kind = 0; kind < KindCount; ++kind)
    for (int frame = 0; frame < FrameCount; ++frame)
      ShadeArea(picture1, layout::CellSprite(4 * kind + frame),
                [=](double x, double y) { return OrdinaryBlock(kind, frame, x, y); });
}

void PaintSpecialBlocks(Canvas& picture1) {
  for (int variant = 0; variant < 4; ++variant)
    for (int frame = 0; frame < FrameCount; ++frame)
      ShadeArea(picture1, layout::CellSprite(48 + 4 * variant + frame),
                [=](double x, double y) { return SpecialBlock(variant, frame, x, y); });
}
