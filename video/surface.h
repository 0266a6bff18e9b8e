// An 8-bit picture in memory: palette indices, one byte per pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // row by row, width bytes per row
  int colourKey = -1;           // index skipped by keyed copies; -1 = none
  bool lost = false;            // contents gone; restore and redraw or reload

  Surface() = default;
  Surface(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0) {}
  uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// Rectangle with exclusive right and bottom edges.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;
