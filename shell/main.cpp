// The game: reads its command line, finds its data folder and runs there.
#include <iostream>

#include "launch/data_folder.h"
#include "launch/options.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/app.h"
#include "shell/file_names.h"

int main(int argc, char** argv) {
  launch::LaunchOptions options;
  if (const std::optional<int> exitCode = launch::ParseCommandLine(argc, argv, options, std::cout, std::cerr)) {
    return *exitCode;
  }
  launch::EnterDataFolder(options.dataFolder, std::cerr);
  platform::InstallSdlBackend({options.startInWindow.value_or(false), WindowIconFileName});
  return RunApplication();
}
