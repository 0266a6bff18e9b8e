#include "recording/replay_folder.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/user_paths.h"
#include "recording/recording_file.h"
#include "screens/best_score_folder.h"
#include "shell/file_names.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* ModeWords[] = {"solo", "versus"};
// "YYYYMMDD-HHMMSS-mmm-" before the mode.
constexpr std::string_view StampPattern = "00000000-000000-000-";
// Tries at later milliseconds when a name is taken.
constexpr int NameTries = 1000;

std::string Stamp(std::chrono::system_clock::time_point when) {
  const auto sinceEpoch = when.time_since_epoch();
  const std::time_t seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
  const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
  char millis[8];
  std::snprintf(millis, sizeof millis, "-%03d-", static_cast<int>(milliseconds));
  return std::string(text) + millis;
}

// The kept games, oldest first.
std::vector<fs::path> KeptGameFiles(const fs::path& folder) {
  std::vector<fs::path> games;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (IsGameFileName(it->path().filename().string()) && it->is_regular_file(error)) games.push_back(it->path());
  }
  std::sort(games.begin(), games.end());
  return games;
}

void RemoveOldGames(const fs::path& folder) {
  const std::vector<fs::path> games = KeptGameFiles(folder);
  std::error_code error;
  for (size_t i = 0; i + KeptGames < games.size(); ++i) fs::remove(games[i], error);
}

}  // namespace

std::string ReplaysFolder() {
  const std::string& playerFolder = BestScoreFolder();
  return playerFolder.empty() ? ReplaysFolderName : playerFolder + "/" + ReplaysFolderName;
}

std::string GameFileName(GameMode mode, std::chrono::system_clock::time_point when) {
  return Stamp(when) + ModeWords[static_cast<size_t>(mode)] + RecordingFileExtension;
}

bool IsGameFileName(std::string_view name) {
  if (name.size() <= StampPattern.size()) return false;
  for (size_t i = 0; i < StampPattern.size(); ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (StampPattern[i] == '0' ? !digit : name[i] != StampPattern[i]) return false;
  }
  const std::string_view rest = name.substr(StampPattern.size());
  for (const char* mode : ModeWords) {
    if (rest == std::string(mode) + RecordingFileExtension) return true;
  }
  return false;
}

bool KeepGame(const std::string& folder, const std::string& text, GameMode mode, bool best, std::string& error) {
  if (!platform::MakeUserFolder(folder)) {
    error = "the game was not kept: cannot make " + folder;
    return false;
  }
  auto when = std::chrono::system_clock::now();
  fs::path path;
  std::error_code exists;
  for (int tries = 0; tries < NameTries; ++tries, when += std::chrono::milliseconds(1)) {
    path = fs::path(folder) / GameFileName(mode, when);
    if (!fs::exists(path, exists)) break;
  }
  if (!WriteFileAtomically(path.string(), text, error)) {
    error = "the game was not kept: " + error;
    return false;
  }
  if (best && !WriteFileAtomically((fs::path(folder) / BestGameFileName).string(), text, error)) {
    error = "the game was kept, but not as the best one: " + error;
    return false;
  }
  RemoveOldGames(folder);
  return true;
}
