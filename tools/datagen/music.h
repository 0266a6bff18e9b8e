#pragma once

#include <filesystem>

// Writes the generated music files below folder; false on a write error.
bool WriteMusic(const std::filesystem::path& folder);
