// Signed distances (negative inside, in pixels) of the shapes the painters use.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace shape {

inline double Circle(double x, double y, double radius) { return std::hypot(x, y) - radius; }

inline double Box(double x, double y, double halfWidth, double halfHeight) {
  const double qx = std::abs(x) - halfWidth, qy = std::abs(y) - halfHeight;
  return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0);
}

inline double RoundedBox(double x, double y, double halfWidth, double halfHeight, double radius) {
  return Box(x, y, halfWidth - radius, halfHeight - radius) - radius;
}

// Equilateral triangle pointing up with the given inner radius.
inline double Triangle(double x, double y, double inradius) {
  const double s = std::sqrt(3.0) / 2;
  return std::max({y - inradius, s * x - 0.5 * y - inradius, -s * x - 0.5 * y - inradius});
}

// Square standing on a corner, its corners halfDiagonal from the centre.
inline double Diamond(double x, double y, double halfDiagonal) {
  return (std::abs(x) + std::abs(y) - halfDiagonal) / std::numbers::sqrt2;
}

inline double Octagon(double x, double y, double apothem) {
  const double ax = std::abs(x), ay = std::abs(y);
  return std::max({ax, ay, (ax + ay) / std::numbers::sqrt2}) - apothem;
}

// A star with its first point straight up.
inline double Star(double x, double y, double outer, double inner, int points) {
  const double sector = 2 * std::numbers::pi / points;
  double angle = std::fmod(std::atan2(x, -y) + 2 * std::numbers::pi, sector);
  angle = std::abs(angle > sector / 2 ? angle - sector : angle);
  const double r = std::hypot(x, y);
  const double px = r * std::sin(angle), py = r * std::cos(angle);
  const double vx = inner * std::sin(sector / 2), vy = inner * std::cos(sector / 2);
  const double ex = vx, ey = vy - outer, wx = px, wy = py - outer;
  const double h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
  const double d = std::hypot(wx - ex * h, wy - ey * h);
  return ex * wy - ey * wx < 0 ? -d : d;
}

// A four-pointed glint of the given reach.
inline bool Glint(double x, double y, double reach) {
  return reach > 0 && std::sqrt(std::abs(x)) + std::sqrt(std::abs(y)) < std::sqrt(reach);
}

}  // namespace shape
