// Where to find the other game: "HOST" or "HOST:PORT" as a player types it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace net {

struct PeerAddress {
  std::string host;              // a name or an IPv4 address
  std::optional<uint16_t> port;  // when the text names one
};

// A port number, 1 to 65535.
bool ParsePort(const std::string& text, uint16_t& port);

// False, with why, for an empty host or a port that is no port.
bool ParsePeerAddress(const std::string& text, PeerAddress& address, std::string& why);

}  // namespace net
