// The game's icon: four blocks of the game's own art, two by two, drawn
// anew at every size so that small icons stay sharp.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// RGBA pixels, size x size, transparent around the blocks.
std::vector<uint8_t> RenderIcon(int size);

// Writes the icon at every size of IconFileNames below folder; false on a write error.
bool WriteIcons(const std::filesystem::path& folder);
