// The bitmap reader on any bytes: a picture within the bounds, or a refusal.
#include "fuzz/require.h"
#include "platform/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::IndexedBitmap bitmap;
  if (!platform::DecodeIndexedBitmap(data, size, bitmap)) return 0;
  Require(bitmap.width >= 1 && bitmap.width <= platform::MaxBitmapSide);
  Require(bitmap.height >= 1 && bitmap.height <= platform::MaxBitmapSide);
  Require(bitmap.pixels.size() == static_cast<size_t>(bitmap.width) * bitmap.height);
  return 0;
}
