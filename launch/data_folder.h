// Where the game's data is: a portable copy (given with --data, the current
// folder or the program's own) or an installed one under the program's prefix.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace launch {

enum class DataMode { Portable, Installed };

struct DataFolder {
  std::filesystem::path path;
  DataMode mode = DataMode::Portable;
};

// In this order: the given folder when there is one; the current folder or
// the program's folder when it holds the first picture; the installed data
// folder beside the program's prefix (../share/kerzonk, or
// ../share/games/kerzonk for a program in games/) when it holds it. Nothing
// when none does; searched then lists the folders looked at.
std::optional<DataFolder> FindDataFolder(const std::string& given, const std::filesystem::path& current,
                                         const std::filesystem::path& programFolder,
                                         std::vector<std::filesystem::path>& searched);

// The folder of the running program; empty when it cannot be told.
std::filesystem::path ProgramFolder();

// Finds the data folder from the given one (may be empty), makes it the
// current folder and, for an installed game, puts the best score in the
// per-user data folder. When no data is found it says on err where it looked
// and stays in the current folder, where the first picture then fails to load
// with its usual notice.
void EnterDataFolder(const std::string& given, std::ostream& err);

}  // namespace launch
