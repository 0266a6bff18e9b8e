#include "tools/replay/run_input.h"

#include "recording/recording_file.h"
#include "recording/recording_text.h"

bool ReadRunInput(const std::string& path, RunInput& input, std::string& error) {
  input = RunInput{};
  if (path.empty()) return true;
  std::string text;
  if (!ReadTextFile(path, MaxRecordingFileBytes, text, error)) return false;
  bool parsed;
  if (LooksLikeRecording(text)) {
    parsed = ParseRecording(text, input.recording.emplace(), error);
  } else {
    parsed = ParseInputScript(text, input.script, error);
  }
  if (!parsed) error = path + ": " + error;
  return parsed;
}
