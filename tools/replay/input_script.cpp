#include "tools/replay/input_script.h"

#include <charconv>
#include <sstream>

#include "input/key_bindings.h"

namespace {

constexpr uint32_t AxisLow = 0;
constexpr uint32_t AxisHigh = 65535;

struct KeyWord {
  const char* word;
  Action action;
};

constexpr KeyWord KeyWords[] = {
    {"left", ActionLeft}, {"right", ActionRight},   {"up", ActionUp},       {"down", ActionDown},
    {"z", ActionStepBack}, {"x", ActionStepForward}, {"pause", ActionPause},
};

bool ParseFrame(const std::string& word, uint32_t& frame) {
  const char* end = word.data() + word.size();
  auto [rest, fault] = std::from_chars(word.data(), end, frame);
  return fault == std::errc() && rest == end && frame >= 1;
}

bool SetAxis(uint32_t& axis, uint32_t value) {
  if (axis != platform::JoystickAxisCentre && axis != value) return false;  // both ends of one axis at once
  axis = value;
  return true;
}

// Applies one word of KEYS; false when the word means nothing.
bool ApplyWord(const std::string& word, HeldInput& held, bool& joystickWord, std::string& why) {
  platform::KeyCode key = 0;
  if (ScriptKey(word, key)) {
    held.keys[key] = true;
    return true;
  }
  if (word.rfind("j:", 0) != 0) {
    why = "unknown key \"" + word + "\"";
    return false;
  }
  joystickWord = true;
  const std::string stick = word.substr(2);
  platform::JoystickSample& joy = held.joystick;
  bool consistent = true;
  if (stick == "left") {
    consistent = SetAxis(joy.x, AxisLow);
  } else if (stick == "right") {
    consistent = SetAxis(joy.x, AxisHigh);
  } else if (stick == "up") {
    consistent = SetAxis(joy.y, AxisLow);
  } else if (stick == "down") {
    consistent = SetAxis(joy.y, AxisHigh);
  } else if (stick == "1") {
    joy.buttons |= 1;
  } else if (stick == "2") {
    joy.buttons |= 2;
  } else {
    why = "unknown joystick input \"" + word + "\"";
    return false;
  }
  if (!consistent) why = "the stick cannot point both ways on one axis";
  return consistent;
}

}  // namespace

bool ScriptKey(const std::string& word, platform::KeyCode& key) {
  static const KeyBindings defaults = DefaultKeyBindings();
  for (const KeyWord& keyWord : KeyWords) {
    if (word == keyWord.word) {
      key = defaults.players[0].action[keyWord.action].front();
      return true;
    }
  }
  return false;
}

HeldInput NothingHeld() {
  HeldInput held;
  held.joystick.x = platform::JoystickAxisCentre;
  held.joystick.y = platform::JoystickAxisCentre;
  return held;
}

bool ParseInputScript(const std::string& text, InputScript& script, std::string& error) {
  script = InputScript{};
  std::istringstream lines(text);
  std::string line;
  for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
    const size_t comment = line.find('#');
    if (comment != std::string::npos) line.erase(comment);
    std::istringstream words(line);
    std::string word;
    if (!(words >> word)) continue;  // blank or comment only

    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    InputChange change;
    change.held = NothingHeld();
    if (!ParseFrame(word, change.frame)) {
      error = where + "\"" + word + "\" is not a frame number (1 or more)";
      return false;
    }
    if (!script.changes.empty() && change.frame <= script.changes.back().frame) {
      error = where + "frame " + word + " does not come after the previous line's frame";
      return false;
    }
    bool nothing = false;
    int keyWords = 0;
    while (words >> word) {
      if (word == "-") {
        nothing = true;
        continue;
      }
      ++keyWords;
      std::string why;
      if (!ApplyWord(word, change.held, script.usesJoystick, why)) {
        error = where + why;
        return false;
      }
    }
    if (nothing == (keyWords > 0)) {
      error = where + "give either keys or a single \"-\"";
      return false;
    }
    script.changes.push_back(change);
  }
  return true;
}

const HeldInput& InputPlayer::HeldAt(uint32_t frame) {
  while (next_ < script_.changes.size() && script_.changes[next_].frame <= frame) {
    current_ = script_.changes[next_].held;
    ++next_;
  }
  return current_;
}

void ApplyHeldInput(const HeldInput& held, platform::HeadlessControls& controls) {
  controls.keys = held.keys;
  controls.joystick = held.joystick;
}
