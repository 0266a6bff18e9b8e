// The flash pictures of a cleared block: a burst that brightens to white
// (64..69), then shards flying apart and fading (70..74), which also loop.
#include <numbers>

#include "screens/sprite_layout.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr int FirstFlash = 64, BrighteningSteps = 6, BreakingSteps = 5;
constexpr Colour Gold{255, 196, 56}, Cream{255, 242, 176}, Ember{226, 104, 30};

Sample Brightening(int step, double x, double y) {
  const double t = step / (BrighteningSteps - 1.0);
  const double core = shape::Circle(x, y, 7.5 + 3 * t);
  const double rays = shape::Star(x, y, 12.0 + 3.2 * t, 5.5 + 2.0 * t, 8);
  const double shape = std::min(core, rays);
  if (shape > 0) return {};
  if (shape > -1.2) return {Mix(Ember, Cream, t), 1};
  if (core < 0) return {Mix(Cream, White, 0.4 + 0.6 * t), 1};
  return {Mix(Gold, White, t), 1};
}

Sample Breaking(int step, double x, double y) {
  const double spread = 7.5 + 1.6 * step, size = 4.0 - 0.55 * step;
  for (int k = 0; k < 8; ++k) {
    const double angle = (k + 0.5) * std::numbers::pi / 4 + step * 0.12;
    const double d = shape::Diamond(x - spread * std::cos(angle), y - spread * std::sin(angle), size);
    if (d < 0) return {d > -0.8 ? Mix(Gold, Cream, step / 4.0) : White, 1};
  }
  const double core = shape::Circle(x, y, 5.0 - 1.2 * step);
  if (core < 0) return {Mix(White, Cream, step / 4.0), 1};
  return {};
}

}  // namespace

void PaintFlashPictures(Canvas& picture1) {
  for (int step = 0; step < BrighteningSteps + BreakingSteps; ++step) {
    ShadeArea(picture1, layout::CellSprite(FirstFlash + step), [=](double px, double py) {
      const double x = px - 16, y = py - 16;
      return step < BrighteningSteps ? Brightening(step, x, y) : Breaking(step - BrighteningSteps, x, y);
    });
  }
}
