// The replay runner's option parser on any command line, settled as for a script: the bytes, split at
// each NUL, are the arguments after the program's name.
#include "tools/replay/replay_options.h"

#include <limits>
#include <string>
#include <vector>

#include "fuzz/require.h"
#include "shell/clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> words(1, "kerzonk-replay");
  words.emplace_back();
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[i]);
    }
  }
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  ReplayOptions options;
  std::string error;
  if (!ParseReplayOptions(static_cast<int>(argv.size()), argv.data(), options, error) ||
      !SettleFrames(options, 0, error)) {
    Require(!error.empty());
    return 0;
  }
  Require(options.frames >= 1 && options.frames <= MaxReplayFrames);
  Require(options.time <= std::numeric_limits<int64_t>::max() - TickOfFrame(options.frames) / 1000);
  return 0;
}
