// The network packet decoder on any bytes: it refuses them with a reason, or
// reads a packet that encodes back to the very same bytes.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "net/packets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  net::Packet packet;
  std::string why;
  if (!net::DecodePacket(data, size, packet, why)) {
    Require(!why.empty());
    return 0;
  }
  const bool handshake = packet.kind == net::PacketKind::Hello || packet.kind == net::PacketKind::Welcome ||
                         packet.kind == net::PacketKind::Refusal;
  // Another protocol's handshake is read only as far as its version number.
  if (handshake && packet.peer.protocol != net::ProtocolVersion) return 0;
  const std::vector<uint8_t> again = net::EncodePacket(packet);
  Require(again.size() == size && std::equal(again.begin(), again.end(), data));
  return 0;
}
