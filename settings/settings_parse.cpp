// Reading the settings file with libinih. inih hands over entries without
// their line numbers, so the lines are fed to it one at a time through a
// reader that counts them and notices the lines inih passed over as faulty.
#include <ini.h>

#include <algorithm>
#include <cctype>
#include <charconv>

#include "settings/settings.h"
#include "settings/settings_entries.h"

namespace {

using namespace settings_file;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool ParseYesNo(const std::string& value, bool& out) {
  const std::string word = Lower(value);
  if (word == "yes" || word == "true" || word == "on" || word == "1") {
    out = true;
  } else if (word == "no" || word == "false" || word == "off" || word == "0") {
    out = false;
  } else {
    return false;
  }
  return true;
}

bool ParseWholeNumber(const std::string& value, int lowest, int highest, int& out) {
  int number = 0;
  const char* end = value.data() + value.size();
  const auto [rest, fault] = std::from_chars(value.data(), end, number);
  if (fault != std::errc() || rest != end || number < lowest || number > highest) return false;
  out = number;
  return true;
}

bool IsKnownSection(const std::string& name) {
  return name == DisplaySection || name == SoundSection || name == PlayerSections[0] || name == PlayerSections[1] ||
         name == NetworkSection;
}

class SettingsReader {
 public:
  SettingsReader(const std::string& text, const std::string& fileName, std::vector<std::string>& problems,
                 Settings& settings)
      : text_(text), fileName_(fileName), problems_(problems), settings_(settings) {}

  // The characters of a line without its ending.
  static size_t Characters(const std::string& line) {
    size_t characters = line.size();
    if (characters > 0 && line[characters - 1] == '\n') --characters;
    if (characters > 0 && line[characters - 1] == '\r') --characters;
    return characters;
  }

  // inih's reader: hands over the next line, after judging the one before.
  char* NextLine(char* buffer, int size) {
    FinishLine();
    if (next_ >= text_.size()) return nullptr;
    const size_t newline = text_.find('\n', next_);
    const size_t end = newline == std::string::npos ? text_.size() : newline + 1;
    std::string line = text_.substr(next_, end - next_);
    next_ = end;
    ++lineNumber_;
    if (line.find('\0') != std::string::npos) {
      Problem("the line holds a zero byte");
      line.assign(1, '\n');
    } else if (Characters(line) > static_cast<size_t>(size) - 3) {  // room for "\r\n" and the final zero
      Problem("the line is longer than " + std::to_string(size - 3) + " characters");
      line.assign(1, '\n');
    }
    lineUnderstood_ = Classify(line);
    std::copy(line.begin(), line.end(), buffer);
    buffer[line.size()] = '\0';
    return buffer;
  }

  // inih's handler: one entry of the current line.
  void Entry(const std::string& section, const std::string& name, const std::string& value) {
    lineUnderstood_ = true;
    if (section == DisplaySection) {
      DisplayEntry(name, value);
    } else if (section == SoundSection) {
      SoundEntry(name, value);
    } else if (section == PlayerSections[0] || section == PlayerSections[1]) {
      PlayerEntry(section == PlayerSections[0] ? 0 : 1, name, value);
    } else if (section == NetworkSection) {
      NetworkEntry(name, value);
    } else if (section.empty()) {
      Problem("\"" + name + "\" stands before any [section]");
    }
    // Entries of an unknown section were reported with the section's name.
  }

  void Finish() { FinishLine(); }

 private:
  void Problem(const std::string& what) {
    problems_.push_back(fileName_ + ":" + std::to_string(lineNumber_) + ": " + what);
  }

  // A line inih neither took as an entry nor could pass over as blank,
  // comment or section is faulty.
  void FinishLine() {
    if (!lineUnderstood_) Problem("not a setting: expected \"name = value\", \"[section]\" or a comment");
    lineUnderstood_ = true;
  }

  // True for lines that need no entry: blank, comment or a whole section line.
  bool Classify(const std::string& raw) {
    std::string line = Trimmed(raw);
    if (lineNumber_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line = Trimmed(line.substr(3));
    if (line.empty() || line[0] == ';' || line[0] == '#') return true;
    if (line[0] != '[') return false;
    const size_t close = line.find(']');
    if (close == std::string::npos) return false;
    const std::string name = line.substr(1, close - 1);
    if (!IsKnownSection(name)) Problem("unknown section [" + name + "]; its entries are passed over");
    return true;
  }

  // A value that cannot be used: the entry keeps what it had.
  void BadValue(const std::string& what) { Problem(what + "; the entry keeps its default"); }

  void Unknown(const std::string& name, const std::string& section) {
    Problem("unknown entry \"" + name + "\" in [" + section + "]");
  }

  void DisplayEntry(const std::string& name, const std::string& value) {
    if (name == FullScreenEntry) {
      if (!ParseYesNo(value, settings_.screen.fullScreen)) BadValue(name + " is yes or no, not \"" + value + "\"");
    } else if (name == ScalingEntry) {
      const std::string word = Lower(value);
      if (word == ScalingWords[0]) {
        settings_.screen.scaling = platform::Scaling::Integer;
      } else if (word == ScalingWords[1]) {
        settings_.screen.scaling = platform::Scaling::Fit;
      } else {
        BadValue(name + " is integer or fit, not \"" + value + "\"");
      }
    } else {
      Unknown(name, DisplaySection);
    }
  }

  void WholeNumber(const std::string& name, const std::string& value, int lowest, int highest, int& number) {
    if (!ParseWholeNumber(value, lowest, highest, number)) {
      BadValue(name + " is a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest) +
               ", not \"" + value + "\"");
    }
  }

  void YesNo(const std::string& name, const std::string& value, bool& flag) {
    if (!ParseYesNo(value, flag)) BadValue(name + " is yes or no, not \"" + value + "\"");
  }

  void Keys(const std::string& name, const std::string& value, KeyList& keys) {
    std::string badName;
    if (!ParseKeyList(value, keys, badName)) BadValue("unknown key name \"" + badName + "\" for " + name);
  }

  void SoundEntry(const std::string& name, const std::string& value) {
    if (name == MusicVolumeEntry) {
      WholeNumber(name, value, 0, FullVolume, settings_.musicVolume);
    } else if (name == EffectsVolumeEntry) {
      WholeNumber(name, value, 0, FullVolume, settings_.effectsVolume);
    } else if (name == MusicMutedEntry) {
      YesNo(name, value, settings_.musicMuted);
    } else if (name == EffectsMutedEntry) {
      YesNo(name, value, settings_.effectsMuted);
    } else if (name == MuteMusicKeyEntry) {
      Keys(name, value, settings_.keys.muteMusic);
    } else if (name == MuteEffectsKeyEntry) {
      Keys(name, value, settings_.keys.muteEffects);
    } else {
      Unknown(name, SoundSection);
    }
  }

  void NetworkEntry(const std::string& name, const std::string& value) {
    if (name == PortEntry) {
      WholeNumber(name, value, 1, 65535, settings_.networkPort);
    } else if (name == InputDelayEntry) {
      WholeNumber(name, value, net::MinInputDelay, net::MaxInputDelay, settings_.inputDelay);
    } else {
      Unknown(name, NetworkSection);
    }
  }

  void PlayerEntry(int player, const std::string& name, const std::string& value) {
    for (int action = 0; action < ActionCount; ++action) {
      if (name == ActionEntries[action].name) {
        Keys(name, value, settings_.keys.players[player].action[action]);
        return;
      }
    }
    Unknown(name, PlayerSections[player]);
  }

  const std::string& text_;
  const std::string& fileName_;
  std::vector<std::string>& problems_;
  Settings& settings_;
  size_t next_ = 0;
  int lineNumber_ = 0;
  bool lineUnderstood_ = true;
};

char* ReadLine(char* buffer, int size, void* stream) {
  return static_cast<SettingsReader*>(stream)->NextLine(buffer, size);
}

int TakeEntry(void* user, const char* section, const char* name, const char* value) {
  static_cast<SettingsReader*>(user)->Entry(section, name, value);
  return 1;
}

}  // namespace

Settings ParseSettings(const std::string& text, const std::string& fileName, std::vector<std::string>& problems) {
  Settings settings;
  SettingsReader reader(text, fileName, problems, settings);
  // An indented line is an entry of its own, not the continuation of the one before.
  ini_allow_multiline = false;
  ini_parse_stream(ReadLine, &reader, TakeEntry, &reader);
  reader.Finish();
  return settings;
}
