// The per-user folders of the XDG base directory rules.
#pragma once

#include <string>

namespace platform {

// The game's folder name in every per-user and installed place.
constexpr const char* GameFolderName = "kerzonk";

// $XDG_DATA_HOME/kerzonk, else $HOME/.local/share/kerzonk; empty when neither
// is set to an absolute path.
std::string UserDataFolder();
// $XDG_CONFIG_HOME/kerzonk, else $HOME/.config/kerzonk; empty likewise.
std::string UserConfigFolder();
// Makes the folder and any missing parents; the ones it makes get mode 0700.
// True when the folder exists afterwards.
bool MakeUserFolder(const std::string& path);

}  // namespace platform
