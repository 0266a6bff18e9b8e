// Runs the game on the headless machine with virtual clocks and scripted
// input, writing the state dumps, screenshots and event log asked for.
#pragma once

#include <string>

#include "tools/replay/input_script.h"
#include "tools/replay/replay_options.h"

// The game's exit code, 1 when start-up failed, or 2 when an output file
// could not be written (error then says which). Runs in the current folder.
int RunReplay(const ReplayOptions& options, const InputScript& script, std::string& error);
