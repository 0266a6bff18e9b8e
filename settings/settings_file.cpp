#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "audio/volume.h"
#include "input/key_bindings.h"
#include "platform/user_paths.h"
#include "settings/settings.h"
#include "settings/settings_entries.h"
#include "settings/settings_text.h"

namespace {

constexpr const char* SettingsFileName = "kerzonk.ini";

enum class ReadResult { Ok, Missing, Failed };

ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& why) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return ReadResult::Missing;
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  if (!file || !(contents << file.rdbuf()) || file.bad()) {
    why = std::filesystem::is_directory(path, error) ? "it is a folder" : std::strerror(errno);
    return ReadResult::Failed;
  }
  text = contents.str();
  return ReadResult::Ok;
}

// Written beside the file, then renamed over it, so a crash never leaves half a file.
bool WriteWholeFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!(file << text) || !file.flush()) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

std::string SettingsFilePath() {
  const std::string folder = platform::UserConfigFolder();
  return folder.empty() ? std::string() : folder + "/" + SettingsFileName;
}

Settings LoadSettings(const std::string& path, std::ostream& problems) {
  if (path.empty()) return Settings{};
  std::string text, why;
  switch (ReadWholeFile(path, text, why)) {
    case ReadResult::Missing: {
      const std::string folder = std::filesystem::path(path).parent_path().string();
      if (!platform::MakeUserFolder(folder) || !WriteWholeFile(path, DefaultSettingsText())) {
        problems << path << ": cannot be written; the game runs with the default settings\n";
      }
      return Settings{};
    }
    case ReadResult::Failed:
      problems << path << ": cannot be read (" << why << "); the game runs with the default settings\n";
      return Settings{};
    case ReadResult::Ok:
      break;
  }
  std::vector<std::string> found;
  const Settings settings = ParseSettings(text, path, found);
  for (const std::string& problem : found) problems << problem << '\n';
  return settings;
}

void ApplySettings(const Settings& settings) {
  keyBindings = settings.keys;
  musicVolume = settings.musicVolume;
  effectsVolume = settings.effectsVolume;
  musicMuted = settings.musicMuted;
  effectsMuted = settings.effectsMuted;
}

bool StoreMuteStates(const std::string& path) {
  using namespace settings_file;
  std::string text, why;
  if (ReadWholeFile(path, text, why) == ReadResult::Failed) return false;
  std::vector<std::string> ignored;
  const Settings stored = ParseSettings(text, path, ignored);
  const std::string before = text;
  if (stored.musicMuted != musicMuted) text = SetEntry(text, SoundSection, MusicMutedEntry, YesNo(musicMuted));
  if (stored.effectsMuted != effectsMuted) {
    text = SetEntry(text, SoundSection, EffectsMutedEntry, YesNo(effectsMuted));
  }
  return text == before || WriteWholeFile(path, text);
}

namespace {
std::string muteStatesPath;
void StoreMuteStatesInFile() { StoreMuteStates(muteStatesPath); }
}  // namespace

void RememberMuteStatesIn(const std::string& path) {
  muteStatesPath = path;
  muteStatesChanged = path.empty() ? nullptr : StoreMuteStatesInFile;
}
