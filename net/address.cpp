#include "net/address.h"

#include <charconv>

namespace net {

bool ParsePort(const std::string& text, uint16_t& port) {
  unsigned number = 0;
  const char* end = text.data() + text.size();
  const auto [rest, fault] = std::from_chars(text.data(), end, number);
  if (text.empty() || fault != std::errc() || rest != end || number > 65535 || number == 0) {
    return false;
  }
  port = static_cast<uint16_t>(number);
  return true;
}

bool ParsePeerAddress(const std::string& text, PeerAddress& address, std::string& why) {
  address = PeerAddress{};
  const size_t colon = text.rfind(':');
  address.host = text.substr(0, colon);
  if (colon != std::string::npos) {
    uint16_t port = 0;
    const std::string portText = text.substr(colon + 1);
    if (!ParsePort(portText, port)) {
      why = "not a port (1 to 65535): \"" + portText + "\"";
      return false;
    }
    address.port = port;
  }
  if (address.host.empty()) {
    why = "no host name before the port";
    return false;
  }
  return true;
}

}  // namespace net
