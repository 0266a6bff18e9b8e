// kerzonk-replay: plays the game headless from an input script, with
// virtual clocks, and writes state dumps, screenshots and an event log.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <vector>

#include "platform/regular_file.h"
#include "tools/replay/input_script.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/replay_runner.h"

namespace {

constexpr int ExitUsage = 2;

// A longer input script is not read.
constexpr size_t MaxScriptBytes = 16u << 20;

bool ReadScript(const std::string& path, InputScript& script, std::string& error) {
  if (path.empty()) return true;
  std::vector<uint8_t> bytes;
  const platform::FileReadResult result = platform::ReadRegularFile(path.c_str(), MaxScriptBytes, bytes);
  if (result != platform::FileReadResult::Ok) {
    error = result == platform::FileReadResult::TooLarge ? path + " is longer than 16 MB" : "cannot read " + path;
    return false;
  }
  if (ParseInputScript(std::string(bytes.begin(), bytes.end()), script, error)) return true;
  error = path + ": " + error;
  return false;
}

// Output paths given relative to where the runner was started stay there,
// although the game itself runs in its data folder.
void AnchorPath(std::string& path, const std::string& startDir) {
  if (!path.empty() && path[0] != '/') path = startDir + "/" + path;
}

}  // namespace

int main(int argc, char** argv) {
  ReplayOptions options;
  InputScript script;
  std::string error;
  if (!ParseReplayOptions(argc, argv, options, error) || !ReadScript(options.inputPath, script, error)) {
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
  if (chdir(options.dataDir.c_str()) != 0) {
    std::cerr << "kerzonk-replay: cannot enter " << options.dataDir << ": " << std::strerror(errno) << '\n';
    return ExitUsage;
  }
  InputPlayer player(script);
  const int exitCode = RunReplay(options, player, error);
  if (!error.empty()) std::cerr << "kerzonk-replay: " << error << '\n';
  return exitCode;
}
