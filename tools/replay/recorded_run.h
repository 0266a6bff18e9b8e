// A run of the replay with its input. A recording's start, input samples
// and clock values are played back and its state checks verified; with
// --record the run's first game is recorded.
#pragma once

#include <iosfwd>
#include <string>

#include "tools/replay/replay_options.h"
#include "tools/replay/run_input.h"

constexpr int ExitRefused = 2;

// RunReplay's exit code, except that a recording that matched to its end
// prints "verified" on out; one that parted from the game gives 3 and an
// error naming the first frame seen to differ; one made with other data or
// by an incompatible version gives 2 without running. Runs in the data folder.
int RunWithInput(const ReplayOptions& options, const RunInput& input, std::ostream& out, std::string& error);
