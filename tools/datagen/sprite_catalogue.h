// Every sprite rectangle of the three pictures, with what each must look like
// to the keyed copies: the contact sheets draw them, the tests check them.
#pragma once

#include <vector>

#include "video/surface.h"

enum class SpriteFill {
  Solid,    // copied plainly or must cover what lies below: no key pixel
  Shape,    // a shape on the key: visible pixels, key in all four corners
  Partial,  // visible pixels with key pixels between them
};

struct SpriteEntry {
  Rect rect;
  SpriteFill fill;
};

constexpr int PictureCount = 3;

std::vector<SpriteEntry> SpritesOf(int picture);
