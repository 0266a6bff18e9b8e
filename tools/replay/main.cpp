// kerzonk-replay: plays the game headless from an input script, with
// virtual clocks, or plays a recorded game back and verifies it, and writes
// state dumps, screenshots, an event log and a recording.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "tools/replay/recorded_run.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/run_input.h"

namespace {

constexpr int ExitUsage = 2;

// Output paths given relative to where the runner was started stay there,
// although the game itself runs in its data folder.
void AnchorPath(std::string& path, const std::string& startDir) {
  if (!path.empty() && path[0] != '/') path = startDir + "/" + path;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::cout << ReplayUsage;
    return 0;
  }
  ReplayOptions options;
  RunInput input;
  std::string error;
  if (!ParseReplayOptions(argc, argv, options, error) || !ReadRunInput(options.inputPath, input, error) ||
      !SettleFrames(options, input.recording ? input.recording->frames : 0, error) ||
      !FitsTheSession(options.peer != PeerRole::None, input, error)) {
    std::cerr << "kerzonk-replay: " << error << '\n' << ReplayUsage;
    return ExitUsage;
  }
  char startDir[4096];
  if (getcwd(startDir, sizeof startDir) == nullptr) {
    std::cerr << "kerzonk-replay: cannot read the current folder\n";
    return ExitUsage;
  }
  for (auto* files : {&options.shots, &options.states}) {
    for (FrameFile& file : *files) AnchorPath(file.path, startDir);
  }
  AnchorPath(options.statesPath, startDir);
  AnchorPath(options.logPath, startDir);
  AnchorPath(options.recordPath, startDir);
  if (chdir(options.dataDir.c_str()) != 0) {
    std::cerr << "kerzonk-replay: cannot enter " << options.dataDir << ": " << std::strerror(errno) << '\n';
    return ExitUsage;
  }
  const int exitCode = RunWithInput(options, input, std::cout, error);
  if (!error.empty()) std::cerr << "kerzonk-replay: " << error << '\n';
  return exitCode;
}
