// The player's settings file, kerzonk.ini in the per-user config folder:
// keys, full screen or window, scaling, volumes and mute switches, the
// network port and input delay.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "audio/volume.h"
#include "input/key_bindings.h"
#include "net/defaults.h"
#include "platform/platform.h"

struct Settings {
  KeyBindings keys = DefaultKeyBindings();
  platform::ScreenOptions screen;
  int musicVolume = FullVolume;
  int effectsVolume = FullVolume;
  bool musicMuted = false;
  bool effectsMuted = false;
  int networkPort = net::DefaultPort;      // for --host and --join
  int inputDelay = net::DefaultInputDelay;  // frames, in a network session
};

// The settings file's path; empty when there is no per-user config folder.
std::string SettingsFilePath();

// Reads the settings from text, starting from the defaults. Each bad line
// gives one problem, "FILE:LINE: what is wrong", and leaves its entry as it was.
Settings ParseSettings(const std::string& text, const std::string& fileName, std::vector<std::string>& problems);

// The file written when there is none: every entry, commented out, at its default.
std::string DefaultSettingsText();

// The settings of the file at path, each problem written to problems as one
// line. A missing file gives the defaults and is written with
// DefaultSettingsText (its folder made if need be); an empty path gives the defaults.
Settings LoadSettings(const std::string& path, std::ostream& problems);

// Hands the settings to the input and the sound.
void ApplySettings(const Settings& settings);

// Writes the current mute switches into the file at path, changing only
// their two lines. False when the file cannot be written.
bool StoreMuteStates(const std::string& path);
// From now on the mute keys store the switches in the file at path (an empty path: nowhere).
void RememberMuteStatesIn(const std::string& path);
