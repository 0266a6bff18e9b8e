// What --input names: an input script, or a recorded game, which starts
// with its own first word.
#pragma once

#include <optional>
#include <string>

#include "recording/recording.h"
#include "tools/replay/input_script.h"

struct RunInput {
  InputScript script;                  // empty for a recording or no input
  std::optional<Recording> recording;  // set for a recording
};

// An empty path is no input at all. On a fault returns false with a
// message naming the file and, for a fault in it, the line.
bool ReadRunInput(const std::string& path, RunInput& input, std::string& error);

// A network side's script names keys only: its keys are its own player's
// controls, and the session makes the joiner's player 2's joystick. False
// with the reason when the script names the joystick in a session.
bool FitsTheSession(bool inSession, const RunInput& input, std::string& error);
