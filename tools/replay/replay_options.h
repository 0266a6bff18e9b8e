// The command line of the replay runner.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/defaults.h"

// The longest run: its ticks stay well inside 32 bits.
constexpr uint32_t MaxReplayFrames = 100000000;

// A file to write at the end of one frame.
struct FrameFile {
  uint32_t frame = 0;
  std::string path;
};

// The runner as one side of a network session.
enum class PeerRole : uint8_t { None, Host, Joiner };

struct ReplayOptions {
  std::string dataDir = ".";
  uint32_t frames = 0;  // 0 until given; a recording gives its own
  int64_t time = 0;
  bool timeGiven = false;
  std::string inputPath;   // a script or a recording; empty: nothing is ever held
  std::string recordPath;  // where the run's first game is recorded
  std::vector<FrameFile> shots;
  std::vector<FrameFile> states;
  std::string statesPath;  // every frame's state, one JSON line each
  std::string logPath;
  PeerRole peer = PeerRole::None;  // --host PORT or --join HOST:PORT
  std::string peerHost;            // --join's host
  uint16_t port = 0;
  int inputDelay = net::DefaultInputDelay;  // --delay N
  bool delayGiven = false;
};

// Reads argv[1..]; on a fault returns false with a message for the user.
// Frames run from 1 to MaxReplayFrames, and the calendar, --time plus the
// seconds the run lasts, stays within 64 bits.
bool ParseReplayOptions(int argc, const char* const* argv, ReplayOptions& options, std::string& error);

// Settles the number of frames once the input is known: a recording runs
// its own frames (recordedFrames, 0 for a script or no input), and takes
// neither --frames nor --time nor a network session; otherwise --frames is
// required. A joiner takes the host's time. Then no file may be asked for
// past the last frame.
bool SettleFrames(ReplayOptions& options, uint32_t recordedFrames, std::string& error);

extern const char* const ReplayUsage;
