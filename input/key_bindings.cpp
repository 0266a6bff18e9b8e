#include "input/key_bindings.h"

#include "platform/key_names.h"

KeyBindings keyBindings = DefaultKeyBindings();

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The defaults are known names: a fault here is a fault of the table.
KeyList DefaultList(const char* names) {
  KeyList keys;
  std::string ignored;
  ParseKeyList(names, keys, ignored);
  return keys;
}

}  // namespace

bool ParseKeyList(const std::string& text, KeyList& keys, std::string& badName) {
  KeyList parsed;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string::npos ? text.size() : comma;
    const std::string name = Trimmed(text.substr(start, end - start));
    platform::KeyCode key = 0;
    if (name.empty() && comma == std::string::npos && parsed.empty()) break;  // no key at all
    if (!platform::KeyFromName(name, key)) {
      badName = name;
      return false;
    }
    parsed.push_back(key);
    start = end + 1;
  }
  keys = parsed;
  return true;
}

std::string KeyListText(const KeyList& keys) {
  std::string text;
  for (platform::KeyCode key : keys) text += (text.empty() ? "" : ", ") + platform::KeyName(key);
  return text;
}

KeyBindings DefaultKeyBindings() {
  KeyBindings bindings;
  for (int player = 0; player < 2; ++player) {
    for (int action = 0; action < ActionCount; ++action) {
      bindings.players[player].action[action] = DefaultList(ActionEntries[action].defaultKeys[player]);
    }
  }
  bindings.muteMusic = DefaultList(DefaultMuteMusicKeys);
  bindings.muteEffects = DefaultList(DefaultMuteEffectsKeys);
  return bindings;
}
