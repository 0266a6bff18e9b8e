#include "tools/replay/run_input.h"

#include "recording/recording_file.h"
#include "recording/recording_text.h"

namespace {

// A longer input script is not read; a recording may be longer.
constexpr size_t MaxScriptBytes = 16u << 20;

}  // namespace

bool ReadRunInput(const std::string& path, RunInput& input, std::string& error) {
  input = RunInput{};
  if (path.empty()) return true;
  std::string text;
  if (!ReadTextFile(path, MaxRecordingFileBytes, text, error)) return false;
  const bool recording = LooksLikeRecording(text);
  if (!recording && text.size() > MaxScriptBytes) {
    error = path + " is longer than 16 MB";
    return false;
  }
  bool parsed;
  if (recording) {
    parsed = ParseRecording(text, input.recording.emplace(), error);
  } else {
    parsed = ParseInputScript(text, input.script, error);
  }
  if (!parsed) error = path + ": " + error;
  return parsed;
}

bool FitsTheSession(bool inSession, const RunInput& input, std::string& error) {
  if (!inSession || !input.script.usesJoystick) return true;
  error = "a network side's script names keys only, not the joystick (j: words)";
  return false;
}
