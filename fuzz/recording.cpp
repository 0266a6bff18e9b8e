// The recording reader on any bytes: it either refuses them with a message
// naming the line, or reads a recording that it writes back in the same
// form and whose frames and marks are in order.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "recording/frame_marks.h"
#include "recording/recording_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Recording recording;
  std::string error;
  if (!ParseRecording(text, recording, error)) {
    Require(error.rfind("line ", 0) == 0 || error == "the file is empty" ||
            error.rfind("the recording stops after line ", 0) == 0);
    return 0;
  }
  Require(!recording.inputs.empty() && recording.inputs.front().frame == 1);
  for (size_t i = 1; i < recording.inputs.size(); ++i) {
    Require(recording.inputs[i - 1].frame < recording.inputs[i].frame);
  }
  Require(recording.frames >= recording.inputs.back().frame && recording.frames <= MaxRecordingFrames);
  Require(recording.checks.empty() || recording.checks.back().frame <= recording.frames);
  Require(recording.marks.empty() || recording.marks.size() == recording.frames);
  for (char mark : recording.marks) Require(IsFrameMark(mark));
  for (const StateValues& values : recording.start) {
    Require(values.variable->role == StartRole::Carried && values.elements.size() == values.variable->count);
    for (uint64_t element : values.elements) Require(WithinBounds(*values.variable, element));
  }
  const std::string written = RecordingText(recording);
  Recording again;
  Require(ParseRecording(written, again, error) && RecordingText(again) == written);
  return 0;
}
