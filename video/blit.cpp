#include "video/blit.h"

#include <cstring>

#include "video/display.h"

namespace {

bool Inside(const Surface& surface, const Rect& r) {
  return r.left >= 0 && r.top >= 0 && r.right <= surface.width && r.bottom <= surface.height;
}

bool Empty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

void CopyRow(uint8_t* to, const uint8_t* from, int count, int key) {
  if (key < 0) {
    std::memcpy(to, from, static_cast<size_t>(count));
    return;
  }
  const auto k = static_cast<uint8_t>(key);
  // A select rather than a skipped store lets the compiler copy many pixels per step.
  for (int i = 0; i < count; ++i) to[i] = from[i] != k ? from[i] : to[i];
}

}  // namespace

int CopyRect(Surface& dst, int x, int y, const Surface& src, const Rect& source, uint32_t flags) {
  if (Empty(source) || !Inside(src, source)) return 0;
  const int w = source.right - source.left;
  const int h = source.bottom - source.top;
  if (!Inside(dst, Rect{x, y, x + w, y + h})) return 0;
  const int key = (flags & CopySourceKey) ? src.colourKey : -1;
  for (int row = 0; row < h; ++row) {
    CopyRow(dst.Row(y + row) + x, src.Row(source.top + row) + source.left, w, key);
  }
  return 1;
}

int CopyRectScaled(Surface& dst, const Rect& destination, const Surface& src, const Rect& source,
                   uint32_t flags) {
  if (Empty(source) || Empty(destination) || !Inside(src, source) || !Inside(dst, destination)) return 0;
  const int sw = source.right - source.left;
  const int sh = source.bottom - source.top;
  const int dw = destination.right - destination.left;
  const int dh = destination.bottom - destination.top;
  if (sw == dw && sh == dh) {
    return CopyRect(dst, destination.left, destination.top, src, source,
                    (flags & ScaledSourceKey) ? CopyKeyed : CopyPlain);
  }
  const int key = (flags & ScaledSourceKey) ? src.colourKey : -1;
  for (int row = 0; row < dh; ++row) {
    const uint8_t* from = src.Row(source.top + row * sh / dh) + source.left;
    uint8_t* to = dst.Row(destination.top + row) + destination.left;
    for (int col = 0; col < dw; ++col) {
      const uint8_t pixel = from[col * sw / dw];
      if (key < 0 || pixel != key) to[col] = pixel;
    }
  }
  return 1;
}

void ClipSpriteToScreen(int& x, int& y, Rect& source) {
  if (x < 0) {
    source.left -= x;
    x = 0;
  }
  if (y < 0) {
    source.top -= y;
    y = 0;
  }
  const int w = source.right - source.left;
  if (x + w > ScreenWidth) source.right -= x + w - ScreenWidth;
  const int h = source.bottom - source.top;
  if (y + h > ScreenHeight) source.bottom -= y + h - ScreenHeight;
}

void ClipRectToScreen(Rect& destination, Rect& source) {
  if (destination.left < 0) {
    source.left -= destination.left;
    destination.left = 0;
  }
  if (destination.top < 0) {
    source.top -= destination.top;
    destination.top = 0;
  }
  if (destination.right > ScreenWidth) {
    source.right -= destination.right - ScreenWidth;
    destination.right = ScreenWidth;
  }
  if (destination.bottom > ScreenHeight) {
    source.bottom -= destination.bottom - ScreenHeight;
    destination.bottom = ScreenHeight;
  }
}

int DrawSprite(int x, int y, const Surface* picture, const Rect& source, uint32_t flags) {
  if (backBuffer == nullptr || picture == nullptr) return 0;
  return CopyRect(*backBuffer, x, y, *picture, source, flags);
}

int DrawSpriteClipped(int x, int y, const Surface* picture, Rect source, uint32_t flags) {
  ClipSpriteToScreen(x, y, source);
  return DrawSprite(x, y, picture, source, flags);
}

int DrawSpriteScaled(const Rect& destination, const Surface* picture, const Rect& source, uint32_t flags) {
  if (backBuffer == nullptr || picture == nullptr) return 0;
  return CopyRectScaled(*backBuffer, destination, *picture, source, flags);
}
