// The packets two copies of the game exchange during a network session, and
// their checked decoder. Numbers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/input.h"

namespace net {

// Raised whenever a packet changes its meaning.
constexpr uint16_t ProtocolVersion = 1;
constexpr size_t MaxGameVersionLength = 32;

// What the two sides compare before they play.
struct PeerInfo {
  uint16_t protocol = ProtocolVersion;
  std::string gameVersion;
  uint64_t dataChecksum = 0;
  uint32_t lastFrame = 0;  // the frame a scripted run ends after; 0 when it runs until ended
  friend bool operator==(const PeerInfo&, const PeerInfo&) = default;
};

enum class PacketKind : uint8_t {
  Hello = 1,    // joiner to host: its PeerInfo
  Welcome = 2,  // host to joiner: its PeerInfo and the session's calendar start
  Refusal = 3,  // host to joiner: its PeerInfo, which does not go with the joiner's
  Input = 4,    // one side's input sample for one frame
  Hash = 5,     // one side's game-state hash after a frame
  Leave = 6,    // the sender ends the session after a frame
  Ping = 7,     // nothing to say, but still there
};

enum class LeaveReason : uint8_t {
  Quit = 1,       // the player pressed Escape
  Finished = 2,   // a scripted run has run its last frame
  OutOfStep = 3,  // the sender found the two games' states apart
};

struct Packet {
  PacketKind kind = PacketKind::Ping;
  PeerInfo peer;              // Hello, Welcome, Refusal
  int64_t calendarStart = 0;  // Welcome
  uint32_t frame = 0;         // Input, Hash (1 or more), Leave
  InputSample sample;         // Input
  uint64_t stateHash = 0;     // Hash
  LeaveReason reason = LeaveReason::Quit;  // Leave
};

std::vector<uint8_t> EncodePacket(const Packet& packet);

// Reads one packet, checking its size, its kind and the range of every
// field; false with the fault in why. A handshake packet of another
// protocol version is read only as far as that version number.
bool DecodePacket(const uint8_t* bytes, size_t size, Packet& packet, std::string& why);

}  // namespace net
