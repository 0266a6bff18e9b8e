#include "recording/compatibility.h"

const char* const GameVersion = KERZONK_VERSION;

namespace {

// The version up to its first dot: games of one major version play alike.
std::string MajorVersion(const std::string& version) { return version.substr(0, version.find('.')); }

}  // namespace

std::string Incompatibility(const Recording& recording, uint64_t dataChecksum) {
  if (MajorVersion(recording.gameVersion) != MajorVersion(GameVersion)) {
    return "recorded by version " + recording.gameVersion + ", which this version " + GameVersion + " cannot play";
  }
  if (recording.dataChecksum != dataChecksum) {
    return "recorded with other game data (pictures, effects or music) than these";
  }
  return {};
}
