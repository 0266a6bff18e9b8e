// The network settings' defaults and limits, shared by the settings file,
// the command line and the session.
#pragma once

#include <cstdint>

namespace net {

constexpr uint16_t DefaultPort = 7641;

// Frames between taking a sample and running the frame it is for.
constexpr int MinInputDelay = 1;
constexpr int MaxInputDelay = 10;
constexpr int DefaultInputDelay = 3;

}  // namespace net
