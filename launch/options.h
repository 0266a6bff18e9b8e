// The game's command line.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace launch {

enum class NetworkRole : uint8_t { None, Host, Join };

struct LaunchOptions {
  std::optional<bool> startInWindow;  // unset when neither --window nor --fullscreen was given
  std::string dataFolder;             // --data; empty when the folder is to be searched for
  std::string watchFile;              // --watch, made absolute; empty for a game of one's own
  NetworkRole network = NetworkRole::None;  // --host or --join
  std::optional<uint16_t> port;             // --host PORT, or the port of --join HOST:PORT
  std::string peerHost;                     // the host of --join
  std::optional<int> inputDelay;            // --delay N
};

constexpr int ExitUsage = 2;

// Reads the arguments into options. Returns the exit code when the program
// ends here: 0 after printing --help or --version on out, ExitUsage after a
// bad command line (the reason and the usage on err). Returns nothing when
// the game is to start.
std::optional<int> ParseCommandLine(int argc, const char* const* argv, LaunchOptions& options, std::ostream& out,
                                    std::ostream& err);

}  // namespace launch
