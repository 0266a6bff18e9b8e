// Colours as the painters work with them: linear mixes of 0..255 channels.
#pragma once

#include <algorithm>
#include <cmath>

struct Colour {
  double r = 0, g = 0, b = 0;
};

inline Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Colour Clamped(Colour c) {
  return {std::clamp(c.r, 0.0, 255.0), std::clamp(c.g, 0.0, 255.0), std::clamp(c.b, 0.0, 255.0)};
}

constexpr Colour White{255, 255, 255};
constexpr Colour Ink{18, 12, 38};  // the dark outline colour of every sprite

// A shade of base: light 0 is a deep, slightly cool shadow, 1 the base
// colour itself and 2 white; values between mix smoothly.
inline Colour Lit(Colour base, double light) {
  if (light <= 1.0) {
    const Colour shadow{base.r * 0.18 + 10, base.g * 0.16 + 8, base.b * 0.24 + 24};
    return Mix(shadow, base, std::max(light, 0.0));
  }
  return Mix(base, White, std::min(light - 1.0, 1.0));
}

// Hue in degrees, saturation and value in 0..1.
inline Colour Hsv(double hue, double saturation, double value) {
  hue = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
  const int sector = static_cast<int>(hue);
  const double f = hue - sector;
  const double p = value * (1 - saturation), q = value * (1 - saturation * f),
               t = value * (1 - saturation * (1 - f));
  double r = value, g = t, b = p;
  switch (sector) {
    case 1: r = q, g = value, b = p; break;
    case 2: r = p, g = value, b = t; break;
    case 3: r = p, g = q, b = value; break;
    case 4: r = t, g = p, b = value; break;
    case 5: r = value, g = p, b = q; break;
    default: break;
  }
  return {r * 255, g * 255, b * 255};
}
