// Which keys drive which action: each player's seven actions, and the two
// mute keys. Several keys may share an action; an action may have none.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/platform.h"

enum Action : uint8_t {
  ActionLeft,
  ActionRight,
  ActionDown,
  ActionUp,           // swaps the pair's blocks; moves up in the menu
  ActionStepBack,     // the Z key of player 1
  ActionStepForward,  // the X key of player 1
  ActionPause,
  ActionCount,
};

using KeyList = std::vector<platform::KeyCode>;

struct PlayerKeys {
  std::array<KeyList, ActionCount> action;
};

struct KeyBindings {
  std::array<PlayerKeys, 2> players;
  KeyList muteMusic;
  KeyList muteEffects;
};

// An action's name in the settings file and its default keys for each player.
struct ActionEntry {
  const char* name;
  std::array<const char*, 2> defaultKeys;
};

// Player 1 keeps the arrows and Z / X; player 2's cluster on the left of the
// keyboard shares no key with it.
constexpr ActionEntry ActionEntries[ActionCount] = {
    {"left", {"Left", "A"}},        {"right", {"Right", "D"}},   {"down", {"Down", "S"}},
    {"up", {"Up", "W"}},            {"step_back", {"Z", "Q"}},   {"step_forward", {"X", "E"}},
    {"pause", {"P, Pause", ""}},
};
constexpr const char* DefaultMuteMusicKeys = "M";
constexpr const char* DefaultMuteEffectsKeys = "N";

// Key names separated by commas; an empty text is no key. On an unknown name
// returns false with that name in badName and leaves keys alone.
bool ParseKeyList(const std::string& text, KeyList& keys, std::string& badName);
// The names of keys, separated by ", ".
std::string KeyListText(const KeyList& keys);

KeyBindings DefaultKeyBindings();

// The keys the input sampling reads; the defaults until settings replace them.
extern KeyBindings keyBindings;
