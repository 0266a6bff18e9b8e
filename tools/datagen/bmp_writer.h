// Writes 8-bit Windows bitmaps: BITMAPINFOHEADER, 256-entry colour table,
// rows stored bottom-up.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/datagen/indexed_picture.h"

std::vector<uint8_t> EncodeBitmap(const IndexedPicture& picture, const Palette& palette);
bool WriteBitmap(const std::filesystem::path& path, const IndexedPicture& picture, const Palette& palette);
