// A contact sheet for review: a picture magnified, the key shown as a
// checkerboard, every sprite rectangle outlined.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/datagen/indexed_picture.h"

constexpr int ContactScale = 2;

// RGB pixels, ContactScale times the picture's size.
std::vector<uint8_t> RenderContactSheet(const IndexedPicture& picture, const Palette& palette,
                                        const std::vector<Rect>& sprites);
bool WriteContactSheet(const std::filesystem::path& path, const IndexedPicture& picture, const Palette& palette,
                       const std::vector<Rect>& sprites);
