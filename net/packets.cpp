#include "net/packets.h"

#include <algorithm>
#include <cstring>

#include "shell/clock.h"

namespace net {

namespace {

// Handshake packets start with these bytes, so that another program's
// packets are told apart from another version of this one's.
constexpr uint8_t Magic[4] = {'K', 'Z', 'N', 'K'};

constexpr uint8_t FlagPause = 1;
constexpr uint8_t FlagJoystick = 2;
constexpr uint8_t DirectionBits = DirRight | DirLeft | DirDown | DirUp;

class Writer {
 public:
  explicit Writer(PacketKind kind) { bytes_.push_back(static_cast<uint8_t>(kind)); }
  void Byte(uint8_t value) { bytes_.push_back(value); }
  void Number(uint64_t value, int size) {
    for (int i = 0; i < size; ++i) bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  void Bytes(const void* data, size_t size) {
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), begin, begin + size);
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

class Reader {
 public:
  Reader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}
  bool Byte(uint8_t& value) {
    if (size_ - at_ < 1) return false;
    value = bytes_[at_++];
    return true;
  }
  template <typename Value>
  bool Number(Value& value) {
    if (size_ - at_ < sizeof(Value)) return false;
    uint64_t read = 0;
    for (size_t i = 0; i < sizeof(Value); ++i) read |= static_cast<uint64_t>(bytes_[at_ + i]) << (8 * i);
    at_ += sizeof(Value);
    value = static_cast<Value>(read);
    return true;
  }
  bool Text(size_t length, std::string& text) {
    if (size_ - at_ < length) return false;
    text.assign(reinterpret_cast<const char*>(bytes_ + at_), length);
    at_ += length;
    return true;
  }
  bool Matches(const uint8_t* expected, size_t length) {
    if (size_ - at_ < length || std::memcmp(bytes_ + at_, expected, length) != 0) return false;
    at_ += length;
    return true;
  }
  bool AtEnd() const { return at_ == size_; }

 private:
  const uint8_t* bytes_;
  size_t size_;
  size_t at_ = 0;
};

void WritePeer(Writer& out, const PeerInfo& peer) {
  out.Bytes(Magic, sizeof Magic);
  out.Number(peer.protocol, 2);
  const size_t length = std::min(peer.gameVersion.size(), MaxGameVersionLength);
  out.Byte(static_cast<uint8_t>(length));
  out.Bytes(peer.gameVersion.data(), length);
  out.Number(peer.dataChecksum, 8);
  out.Number(peer.lastFrame, 4);
}

bool PrintableVersion(const std::string& version) {
  if (version.empty() || version.size() > MaxGameVersionLength) return false;
  for (char c : version) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return true;
}

// A packet's fault: decoding stops with the reason.
bool Fault(std::string& why, const std::string& what) {
  why = what;
  return false;
}

bool ReadPeer(Reader& in, PeerInfo& peer, bool& otherProtocol, std::string& why) {
  if (!in.Matches(Magic, sizeof Magic)) return Fault(why, "not a Kerzonk handshake");
  if (!in.Number(peer.protocol)) return Fault(why, "handshake too short");
  otherProtocol = peer.protocol != ProtocolVersion;
  if (otherProtocol) return true;  // the rest may mean something else there
  uint8_t length = 0;
  if (!in.Byte(length) || !in.Text(length, peer.gameVersion) || !in.Number(peer.dataChecksum) ||
      !in.Number(peer.lastFrame)) {
    return Fault(why, "handshake too short");
  }
  if (!PrintableVersion(peer.gameVersion)) return Fault(why, "game version is not 1 to 32 visible characters");
  return true;
}

bool ReadSample(Reader& in, InputSample& sample, std::string& why) {
  uint8_t flags = 0;
  if (!in.Byte(sample.keyDirections) || !in.Byte(sample.keyButton) || !in.Byte(sample.joyDirections) ||
      !in.Number(sample.joyButtons) || !in.Byte(flags)) {
    return Fault(why, "input too short");
  }
  if ((sample.keyDirections & ~DirectionBits) != 0 || (sample.joyDirections & ~DirectionBits) != 0) {
    return Fault(why, "input has unknown direction bits");
  }
  if (sample.keyButton > ButtonX) return Fault(why, "input has an unknown button code");
  if ((flags & ~(FlagPause | FlagJoystick)) != 0) return Fault(why, "input has unknown flags");
  sample.pauseRequested = (flags & FlagPause) != 0;
  sample.joystickPresent = (flags & FlagJoystick) != 0 ? 1 : 0;
  return true;
}

bool ReadBody(Reader& in, Packet& packet, std::string& why) {
  bool otherProtocol = false;
  switch (packet.kind) {
    case PacketKind::Hello:
    case PacketKind::Welcome:
    case PacketKind::Refusal:
      if (!ReadPeer(in, packet.peer, otherProtocol, why)) return false;
      if (otherProtocol) return true;
      if (packet.kind == PacketKind::Welcome) {
        if (!in.Number(packet.calendarStart)) return Fault(why, "welcome too short");
        if (packet.calendarStart > LatestCalendarStart) return Fault(why, "welcome's calendar start out of range");
      }
      break;
    case PacketKind::Input:
      if (!in.Number(packet.frame)) return Fault(why, "input too short");
      if (!ReadSample(in, packet.sample, why)) return false;
      if (packet.frame == 0) return Fault(why, "input for frame 0");
      break;
    case PacketKind::Hash:
      if (!in.Number(packet.frame) || !in.Number(packet.stateHash)) return Fault(why, "hash too short");
      if (packet.frame == 0) return Fault(why, "hash of frame 0");
      break;
    case PacketKind::Leave: {
      uint8_t reason = 0;
      if (!in.Number(packet.frame) || !in.Byte(reason)) return Fault(why, "leave too short");
      if (reason < static_cast<uint8_t>(LeaveReason::Quit) || reason > static_cast<uint8_t>(LeaveReason::OutOfStep)) {
        return Fault(why, "leave for an unknown reason");
      }
      packet.reason = static_cast<LeaveReason>(reason);
      break;
    }
    case PacketKind::Ping:
      break;
    default:
      return Fault(why, "unknown packet kind " + std::to_string(static_cast<int>(packet.kind)));
  }
  return in.AtEnd() || Fault(why, "too long");
}

}  // namespace

std::vector<uint8_t> EncodePacket(const Packet& packet) {
  Writer out(packet.kind);
  switch (packet.kind) {
    case PacketKind::Hello:
    case PacketKind::Refusal:
      WritePeer(out, packet.peer);
      break;
    case PacketKind::Welcome:
      WritePeer(out, packet.peer);
      out.Number(static_cast<uint64_t>(packet.calendarStart), 8);
      break;
    case PacketKind::Input: {
      const InputSample& sample = packet.sample;
      out.Number(packet.frame, 4);
      out.Byte(sample.keyDirections);
      out.Byte(sample.keyButton);
      out.Byte(sample.joyDirections);
      out.Number(sample.joyButtons, 4);
      out.Byte(static_cast<uint8_t>((sample.pauseRequested ? FlagPause : 0) |
                                    (sample.joystickPresent != 0 ? FlagJoystick : 0)));
      break;
    }
    case PacketKind::Hash:
      out.Number(packet.frame, 4);
      out.Number(packet.stateHash, 8);
      break;
    case PacketKind::Leave:
      out.Number(packet.frame, 4);
      out.Byte(static_cast<uint8_t>(packet.reason));
      break;
    case PacketKind::Ping:
      break;
  }
  return out.Take();
}

bool DecodePacket(const uint8_t* bytes, size_t size, Packet& packet, std::string& why) {
  packet = Packet{};
  why.clear();
  Reader in(bytes, size);
  uint8_t kind = 0;
  if (!in.Byte(kind)) return Fault(why, "empty packet");
  packet.kind = static_cast<PacketKind>(kind);
  return ReadBody(in, packet, why);
}

}  // namespace net
