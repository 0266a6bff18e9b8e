// Runs the game on the headless machine with virtual clocks and scripted
// input, writing the state dumps, screenshots and event log asked for.
#pragma once

#include <functional>
#include <string>

#include "tools/replay/input_script.h"
#include "tools/replay/replay_options.h"

// Looks at the game after each frame; false, with error saying why, ends the
// run after that frame, its log written all the same.
using FrameCheck = std::function<bool(uint32_t frame, std::string& error)>;

// What a run lets other code do: act once the game is up, before its first
// frame, and check the game after each frame.
struct ReplayHooks {
  std::function<void()> beforeFirstFrame;
  FrameCheck checkFrame;
};

constexpr int ExitCheckFailed = 3;

// The game's exit code, 1 when start-up failed, 2 when an output file could
// not be written or 3 when the frame check failed (error then says which).
// Runs in the current folder.
int RunReplay(const ReplayOptions& options, InputSource& input, std::string& error, const ReplayHooks& hooks = {});
