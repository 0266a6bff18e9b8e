#pragma once

#include <array>
#include <filesystem>

#include "tools/datagen/indexed_picture.h"

struct GeneratedPictures {
  Palette palette;                       // shared by all three files
  std::array<IndexedPicture, 3> pictures;
};

// Paints all three pictures and reduces them to the shared palette.
GeneratedPictures MakePictures();

// Writes the three picture files below folder, and a contact sheet of each
// into folder/contact; false on a write error.
bool WritePictures(const std::filesystem::path& folder);
