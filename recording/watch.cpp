#include "recording/watch.h"

#include <algorithm>
#include <ostream>

#include "platform/key_names.h"
#include "platform/platform.h"
#include "recording/compatibility.h"
#include "recording/data_checksum.h"
#include "recording/playback.h"
#include "recording/recording_file.h"
#include "shell/app.h"

namespace {

constexpr int ExitDiverged = 3;
constexpr int FastForward = 4;
constexpr const char* FastForwardKey = "Tab";

}  // namespace

bool PrepareToWatch(const std::string& path, Recording& recording, std::ostream& err) {
  std::string error;
  if (!ReadRecordingFile(path, recording, error)) {
    err << "kerzonk: " << error << '\n';
    return false;
  }
  const std::string incompatibility = Incompatibility(recording, DataFilesChecksum());
  if (incompatibility.empty()) return true;
  err << "kerzonk: " << path << ": " << incompatibility << '\n';
  return false;
}

int RunWatching(const Recording& recording, std::ostream& err) {
  platform::KeyCode fastKey = 0;
  platform::KeyFromName(FastForwardKey, fastKey);
  Playback playback(recording);
  // A pass runs four frames while the key is held, never past the last one.
  playback.afterFrame = [&](uint32_t frame) {
    const uint32_t left = frame < recording.frames ? recording.frames - frame : 0;
    const bool fast = platform::controls().KeyHeld(fastKey);
    framesPerPass = static_cast<int>(std::clamp<uint32_t>(fast ? FastForward : 1, 1, std::max<uint32_t>(left, 1)));
    if (left == 0) platform::host().PostQuit(0);
  };
  playback.Begin();
  const int exitCode = RunApplication();
  framesPerPass = 1;
  if (playback.DivergedAt() == 0) return exitCode;
  err << "kerzonk: " << playback.DivergenceText() << '\n';
  return ExitDiverged;
}
