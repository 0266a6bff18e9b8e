// Outlined, shaded lettering from the pixel font.
#pragma once

#include <string_view>
#include <vector>

#include "tools/datagen/canvas.h"

struct LetterStyle {
  double cellWidth = 2, cellHeight = 2;  // pixels per font cell
  double spacing = 1;                    // font cells between letters
  double outline = 1.5;                  // ink border in pixels
  double shadow = 0;                     // drop-shadow offset down and right, 0 for none
  double bevel = 1;                      // light and dark band along top and bottom edges
  bool smooth = true;                    // rounded strokes rather than square cells
  std::vector<Colour> colours = {{250, 220, 60}};  // per letter, cycled
  Colour outlineColour = Ink;
};

struct TextSize {
  int width = 0, height = 0;
};

TextSize MeasureText(std::string_view text, const LetterStyle& style);
void DrawText(Canvas& canvas, int left, int top, std::string_view text, const LetterStyle& style);
// Centred in box (the box only places the text; it does not clip it).
void DrawTextCentred(Canvas& canvas, Rect box, std::string_view text, const LetterStyle& style);
