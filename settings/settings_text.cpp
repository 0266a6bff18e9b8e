#include "settings/settings_text.h"

#include <vector>

#include "settings/settings.h"
#include "settings/settings_entries.h"

namespace {

using namespace settings_file;

struct Line {
  std::string body;    // without its line end
  std::string ending;  // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t newline = text.find('\n', start);
    const size_t end = newline == std::string::npos ? text.size() : newline;
    Line line{text.substr(start, end - start), newline == std::string::npos ? "" : "\n"};
    if (!line.body.empty() && line.body.back() == '\r') {
      line.body.pop_back();
      line.ending.insert(0, 1, '\r');
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The section a "[name]" line opens, or false for any other line.
bool SectionOf(const std::string& body, std::string& section) {
  const std::string line = Trimmed(body);
  const size_t close = line.find(']');
  if (line.empty() || line[0] != '[' || close == std::string::npos) return false;
  section = line.substr(1, close - 1);
  return true;
}

// The name a "name = value" line sets, with the comment marks taken off first
// when commented is set; empty when the line is no such line.
std::string NameSetBy(const std::string& body, bool commented) {
  std::string line = Trimmed(body);
  if (commented) {
    if (line.empty() || (line[0] != '#' && line[0] != ';')) return std::string();
    line = Trimmed(line.substr(line.find_first_not_of("#;")));
  } else if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[') {
    return std::string();
  }
  const size_t separator = line.find_first_of("=:");
  return separator == std::string::npos ? std::string() : Trimmed(line.substr(0, separator));
}

std::string Joined(const std::vector<Line>& lines) {
  std::string text;
  for (const Line& line : lines) text += line.body + line.ending;
  return text;
}

void Comment(std::string& text, const std::string& words) { text += "# " + words + "\n"; }

void Entry(std::string& text, const std::string& name, const std::string& value) {
  text += "# " + name + " =" + (value.empty() ? "" : " " + value) + "\n";
}

}  // namespace

std::string SetEntry(const std::string& text, const std::string& section, const std::string& name,
                     const std::string& value) {
  std::vector<Line> lines = SplitLines(text);
  const std::string newBody = name + " = " + value;
  int setting = -1, commented = -1, sectionEnd = -1;
  std::string current;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    std::string opened;
    if (SectionOf(lines[i].body, opened)) {
      current = opened;
      if (current == section) sectionEnd = i + 1;
      continue;
    }
    if (current != section) continue;
    if (NameSetBy(lines[i].body, false) == name) setting = i;
    if (commented < 0 && NameSetBy(lines[i].body, true) == name) commented = i;
    if (!Trimmed(lines[i].body).empty()) sectionEnd = i + 1;
  }
  const int replace = setting >= 0 ? setting : commented;
  if (replace >= 0) {
    lines[replace].body = newBody;
    if (lines[replace].ending.empty()) lines[replace].ending.push_back('\n');
    return Joined(lines);
  }
  if (!lines.empty() && lines.back().ending.empty()) lines.back().ending.push_back('\n');
  if (sectionEnd >= 0) {
    lines.insert(lines.begin() + sectionEnd, Line{newBody, "\n"});
    return Joined(lines);
  }
  return Joined(lines) + "\n[" + section + "]\n" + newBody + "\n";
}

std::string DefaultSettingsText() {
  const Settings defaults;
  std::string text;
  Comment(text, "Kerzonk settings. Take the # off an entry to change it; a line the game cannot");
  Comment(text, "use is reported when it starts, and that entry keeps its default.");
  text += "\n[";
  text += DisplaySection;
  text += "]\n";
  Comment(text, "yes for full screen, no for a window (Alt+Enter switches while playing).");
  Entry(text, FullScreenEntry, YesNo(defaults.screen.fullScreen));
  Comment(text, "integer: the largest whole multiple of 640 x 480 that fits; fit: as large as fits.");
  Entry(text, ScalingEntry, ScalingWords[static_cast<int>(defaults.screen.scaling)]);
  text += "\n[";
  text += SoundSection;
  text += "]\n";
  Comment(text, "Volumes from 0 (silent) to 100 (the game's own level).");
  Entry(text, MusicVolumeEntry, std::to_string(defaults.musicVolume));
  Entry(text, EffectsVolumeEntry, std::to_string(defaults.effectsVolume));
  Comment(text, "The mute keys switch these while playing, and the game writes them here.");
  Entry(text, MusicMutedEntry, YesNo(defaults.musicMuted));
  Entry(text, EffectsMutedEntry, YesNo(defaults.effectsMuted));
  Entry(text, MuteMusicKeyEntry, KeyListText(defaults.keys.muteMusic));
  Entry(text, MuteEffectsKeyEntry, KeyListText(defaults.keys.muteEffects));
  for (int player = 0; player < 2; ++player) {
    text += "\n[";
    text += PlayerSections[player];
    text += "]\n";
    if (player == 0) {
      Comment(text, "Keys by SDL's names for them (Left, Z, Keypad 8, Right Shift...); several keys");
      Comment(text, "for one action are separated by commas, and an empty value means no key.");
      Comment(text, "Player 1 also drives the menus; up swaps the pair's blocks, step_back and");
      Comment(text, "step_forward step their kind; pause stops and resumes a game.");
    } else {
      Comment(text, "The right-hand well in a versus game, together with a pad.");
    }
    for (int action = 0; action < ActionCount; ++action) {
      Entry(text, ActionEntries[action].name, KeyListText(defaults.keys.players[player].action[action]));
    }
  }
  text += "\n[";
  text += NetworkSection;
  text += "]\n";
  Comment(text, "The UDP port of kerzonk --host, and of kerzonk --join when the host's address names none.");
  Entry(text, PortEntry, std::to_string(defaults.networkPort));
  Comment(text, "Frames (of 16 ms) between pressing a key and its effect in a network game, 1 to 10;");
  Comment(text, "more smooths out a slow connection. The command line's --delay wins over this.");
  Entry(text, InputDelayEntry, std::to_string(defaults.inputDelay));
  return text;
}
