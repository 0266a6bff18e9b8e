#include "tools/replay/replay_options.h"

#include <charconv>
#include <limits>

#include "net/address.h"
#include "net/defaults.h"
#include "shell/clock.h"

const char* const ReplayUsage =
    "usage: kerzonk-replay --frames N [--data DIR] [--time T] [--input SCRIPT]\n"
    "                      [--shot F:FILE.png]... [--state F:FILE.json]...\n"
    "                      [--states FILE.jsonl] [--log FILE] [--record FILE]\n"
    "                      [--host PORT | --join HOST:PORT] [--delay N]\n"
    "       kerzonk-replay --input RECORDING [--data DIR] [--shot F:FILE.png]...\n"
    "                      [--state F:FILE.json]... [--states FILE.jsonl] [--log FILE]\n";

namespace {

template <typename Number>
bool ParseNumber(const std::string& text, Number& value) {
  const char* end = text.data() + text.size();
  auto [rest, fault] = std::from_chars(text.data(), end, value);
  return !text.empty() && fault == std::errc() && rest == end;
}

bool ParseFrameFile(const std::string& text, FrameFile& file) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || colon + 1 == text.size()) return false;
  file.path = text.substr(colon + 1);
  return ParseNumber(text.substr(0, colon), file.frame) && file.frame >= 1;
}

// The run's length and its calendar stay within their bounds.
bool WithinBounds(const ReplayOptions& options, std::string& error) {
  if (options.frames > MaxReplayFrames) {
    error = "--frames is at most " + std::to_string(MaxReplayFrames);
    return false;
  }
  // Without --frames yet (a recording brings its own) the run has no length.
  const int64_t runSeconds = options.frames == 0 ? 0 : TickOfFrame(options.frames) / 1000;
  if (options.time > std::numeric_limits<int64_t>::max() - runSeconds) {
    error = "--time " + std::to_string(options.time) + " runs past the calendar's end";
    return false;
  }
  return true;
}

}  // namespace

bool ParseReplayOptions(int argc, const char* const* argv, ReplayOptions& options, std::string& error) {
  options = ReplayOptions{};
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) {
      error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unexpected argument \"" + name + "\"";
      return false;
    }
    const std::string value = argv[++i];
    bool valid = true;
    if (name == "--data") {
      options.dataDir = value;
    } else if (name == "--frames") {
      valid = ParseNumber(value, options.frames) && options.frames >= 1;
    } else if (name == "--time") {
      valid = ParseNumber(value, options.time);
      options.timeGiven = true;
    } else if (name == "--input") {
      options.inputPath = value;
    } else if (name == "--shot" || name == "--state") {
      FrameFile file;
      valid = ParseFrameFile(value, file);
      (name == "--shot" ? options.shots : options.states).push_back(file);
    } else if (name == "--states") {
      options.statesPath = value;
    } else if (name == "--log") {
      options.logPath = value;
    } else if (name == "--record") {
      options.recordPath = value;
    } else if (name == "--host") {
      options.peer = PeerRole::Host;
      valid = net::ParsePort(value, options.port);
    } else if (name == "--join") {
      net::PeerAddress address;
      std::string why;
      options.peer = PeerRole::Joiner;
      valid = net::ParsePeerAddress(value, address, why);
      options.peerHost = address.host;
      options.port = address.port.value_or(net::DefaultPort);
    } else if (name == "--delay") {
      valid = ParseNumber(value, options.inputDelay) && options.inputDelay >= net::MinInputDelay &&
              options.inputDelay <= net::MaxInputDelay;
      options.delayGiven = true;
    } else {
      error = "unknown option \"" + name + "\"";
      return false;
    }
    if (!valid) {
      error = "bad value \"" + value + "\" for " + name;
      return false;
    }
  }
  return WithinBounds(options, error);
}

bool SettleFrames(ReplayOptions& options, uint32_t recordedFrames, std::string& error) {
  if (recordedFrames > 0) {
    const char* given = options.frames > 0 ? "--frames" : options.timeGiven ? "--time" : nullptr;
    if (given != nullptr) {
      error = std::string(given) + " cannot be given with a recording, which holds its own frames and clocks";
      return false;
    }
    if (options.peer != PeerRole::None) {
      error = "a recording cannot be played in a network session";
      return false;
    }
    options.frames = recordedFrames;
  } else if (options.frames == 0) {
    error = "--frames is required";
    return false;
  }
  if (options.peer == PeerRole::Joiner && options.timeGiven) {
    error = "--time cannot be given with --join: the host's time counts";
    return false;
  }
  if (options.peer == PeerRole::None && options.delayGiven) {
    error = "--delay needs --host or --join";
    return false;
  }
  if (!WithinBounds(options, error)) return false;
  for (const auto* list : {&options.shots, &options.states}) {
    for (const FrameFile& file : *list) {
      if (file.frame > options.frames) {
        error = "frame " + std::to_string(file.frame) + " of " + file.path + " is past the last frame";
        return false;
      }
    }
  }
  return true;
}
