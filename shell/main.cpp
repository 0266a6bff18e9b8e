// The game: reads its command line and the player's settings, finds its data
// folder and runs there, recording every game; or plays a recorded game;
// or plays over the network.
#include <iostream>

#include "launch/data_folder.h"
#include "launch/options.h"
#include "net/network_game.h"
#include "platform/sdl/sdl_backend.h"
#include "recording/game_recordings.h"
#include "recording/replay_folder.h"
#include "recording/watch.h"
#include "settings/settings.h"
#include "shell/app.h"
#include "shell/file_names.h"

int main(int argc, char** argv) {
  launch::LaunchOptions options;
  if (const std::optional<int> exitCode = launch::ParseCommandLine(argc, argv, options, std::cout, std::cerr)) {
    return *exitCode;
  }
  const std::string settingsPath = SettingsFilePath();
  Settings settings = LoadSettings(settingsPath, std::cerr);
  ApplySettings(settings);
  RememberMuteStatesIn(settingsPath);
  // --window and --fullscreen win over the settings file.
  if (options.startInWindow) settings.screen.fullScreen = !*options.startInWindow;
  launch::EnterDataFolder(options.dataFolder, std::cerr);
  const platform::SdlOptions backend{settings.screen, WindowIconFileName};
  if (!options.watchFile.empty()) {
    Recording recording;
    if (!PrepareToWatch(options.watchFile, recording, std::cerr)) return launch::ExitUsage;
    platform::InstallSdlBackend(backend);
    return RunWatching(recording, std::cerr);
  }
  platform::InstallSdlBackend(backend);
  GameRecordings recordings(ReplaysFolder(), std::cerr);
  if (options.network != launch::NetworkRole::None) {
    net::SessionRequest request;
    request.role = options.network == launch::NetworkRole::Host ? net::Role::Host : net::Role::Joiner;
    request.peerHost = options.peerHost;
    request.port = options.port.value_or(static_cast<uint16_t>(settings.networkPort));
    return net::RunNetworkGame(request, options.inputDelay.value_or(settings.inputDelay), recordings,
                               std::cerr);
  }
  return RunApplication();
}
