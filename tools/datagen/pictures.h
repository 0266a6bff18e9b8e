#pragma once

#include <filesystem>

// Writes the generated pictures files below folder; false on a write error.
bool WritePictures(const std::filesystem::path& folder);
