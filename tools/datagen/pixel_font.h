// The generator's own 5 x 7 pixel font: capitals, digits and a few signs.
#pragma once

namespace font {

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;

// True when cell (column, row) of the glyph for c is set; unknown characters
// and cells outside the glyph are clear.
bool Cell(char c, int column, int row);

}  // namespace font
