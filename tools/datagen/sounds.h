#pragma once

#include <filesystem>

// Writes the generated sounds files below folder; false on a write error.
bool WriteSounds(const std::filesystem::path& folder);
