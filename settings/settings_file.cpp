#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <vector>

#include "audio/volume.h"
#include "input/key_bindings.h"
#include "platform/regular_file.h"
#include "platform/user_paths.h"
#include "settings/settings.h"
#include "settings/settings_entries.h"
#include "settings/settings_text.h"

namespace {

constexpr const char* SettingsFileName = "kerzonk.ini";

enum class ReadResult { Ok, Missing, Failed };

// Far more than every entry with a comment; a larger file is not a settings file.
constexpr size_t MaxSettingsBytes = 1 << 20;

ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& why) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return ReadResult::Missing;
  switch (platform::ReadRegularText(path, MaxSettingsBytes, text)) {
    case platform::FileReadResult::Ok:
      return ReadResult::Ok;
    case platform::FileReadResult::NotRegular:
      why = std::filesystem::is_directory(path, error) ? "it is a folder" : "it is not a regular file";
      return ReadResult::Failed;
    case platform::FileReadResult::TooLarge:
      why = "it is larger than 1 MB";
      return ReadResult::Failed;
    case platform::FileReadResult::CannotOpen:
    case platform::FileReadResult::ReadFailed:
      break;
  }
  why = std::strerror(errno);
  return ReadResult::Failed;
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
      if (!platform::MakeUserFolder(folder) || !platform::ReplaceRegularText(path, DefaultSettingsText())) {
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
  return text == before || platform::ReplaceRegularText(path, text);
}

namespace {
std::string muteStatesPath;
void StoreMuteStatesInFile() { StoreMuteStates(muteStatesPath); }
}  // namespace

void RememberMuteStatesIn(const std::string& path) {
  muteStatesPath = path;
  muteStatesChanged = path.empty() ? nullptr : StoreMuteStatesInFile;
}
