// The game: its files are read from the current directory, the player's
// settings from kerzonk.ini in the per-user config folder.
#include <iostream>

#include "platform/sdl/sdl_backend.h"
#include "settings/settings.h"
#include "shell/app.h"

int main() {
  const std::string settingsPath = SettingsFilePath();
  const Settings settings = LoadSettings(settingsPath, std::cerr);
  ApplySettings(settings);
  RememberMuteStatesIn(settingsPath);
  platform::InstallSdlBackend(settings.screen);
  return RunApplication();
}
