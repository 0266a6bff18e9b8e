// Copies of picture rectangles into the back buffer, and the two clipping rules.
#pragma once

#include <cstdint>

#include "video/surface.h"

// Flags of a copy at a point.
constexpr uint32_t CopySourceKey = 0x1;
constexpr uint32_t CopyWait = 0x10;
constexpr uint32_t CopyPlain = CopyWait;                    // 16
constexpr uint32_t CopyKeyed = CopyWait | CopySourceKey;    // 17
// Flags of a scaled copy.
constexpr uint32_t ScaledWait = 0x1000000;
constexpr uint32_t ScaledSourceKey = 0x8000;
constexpr uint32_t ScaledKeyed = ScaledWait | ScaledSourceKey;  // 0x1008000

// Copy at (x, y) at the source's size. Draws nothing (and returns 0) when the
// destination is not wholly inside dst, the source is empty or not wholly inside src.
int CopyRect(Surface& dst, int x, int y, const Surface& src, const Rect& source, uint32_t flags);
// Copy of source scaled to destination, same failure rule, nearest sampling.
int CopyRectScaled(Surface& dst, const Rect& destination, const Surface& src, const Rect& source, uint32_t flags);

void ClipSpriteToScreen(int& x, int& y, Rect& source);
void ClipRectToScreen(Rect& destination, Rect& source);

// Into the back buffer: a copy at a point, a clipped keyed copy, a scaled copy.
int DrawSprite(int x, int y, const Surface* picture, const Rect& source, uint32_t flags);
int DrawSpriteClipped(int x, int y, const Surface* picture, Rect source, uint32_t flags);
int DrawSpriteScaled(const Rect& destination, const Surface* picture, const Rect& source, uint32_t flags);
