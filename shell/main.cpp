// The game: no command line; its files are read from the current directory.
#include "platform/sdl/sdl_backend.h"
#include "shell/app.h"

int main() {
  platform::InstallSdlBackend();
  return RunApplication();
}
