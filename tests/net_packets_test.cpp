#include <gtest/gtest.h>

#include "net/packets.h"
#include "shell/clock.h"

namespace {

using net::Packet;
using net::PacketKind;

net::PeerInfo SomePeer() {
  net::PeerInfo peer;
  peer.gameVersion = "1.0.0";
  peer.dataChecksum = 0x0123456789ABCDEFull;
  peer.lastFrame = 600;
  return peer;
}

Packet Decoded(const std::vector<uint8_t>& bytes, std::string& why) {
  Packet packet;
  net::DecodePacket(bytes.data(), bytes.size(), packet, why);
  return packet;
}

std::string FaultOf(const std::vector<uint8_t>& bytes) {
  Packet packet;
  std::string why;
  EXPECT_FALSE(net::DecodePacket(bytes.data(), bytes.size(), packet, why)) << "taken: " << why;
  EXPECT_FALSE(why.empty());
  return why;
}

Packet InputPacket() {
  Packet packet;
  packet.kind = PacketKind::Input;
  packet.frame = 77;
  packet.sample.keyDirections = DirLeft | DirUp;
  packet.sample.keyButton = ButtonX;
  packet.sample.joyDirections = DirDown;
  packet.sample.joyButtons = 0x80000003u;
  packet.sample.joystickPresent = 1;
  packet.sample.pauseRequested = true;
  return packet;
}

TEST(NetPackets, EveryKindComesBackAsItWent) {
  Packet hello;
  hello.kind = PacketKind::Hello;
  hello.peer = SomePeer();
  Packet welcome = hello;
  welcome.kind = PacketKind::Welcome;
  welcome.calendarStart = -1700000000;
  Packet refusal = hello;
  refusal.kind = PacketKind::Refusal;
  Packet hash;
  hash.kind = PacketKind::Hash;
  hash.frame = 120;
  hash.stateHash = 0xFEDCBA9876543210ull;
  Packet leave;
  leave.kind = PacketKind::Leave;
  leave.frame = 0;
  leave.reason = net::LeaveReason::OutOfStep;
  const Packet ping;

  for (const Packet& sent : {hello, welcome, refusal, InputPacket(), hash, leave, ping}) {
    std::string why;
    const Packet got = Decoded(net::EncodePacket(sent), why);
    EXPECT_TRUE(why.empty()) << why;
    EXPECT_EQ(got.kind, sent.kind);
    EXPECT_EQ(got.peer, sent.peer);
    EXPECT_EQ(got.calendarStart, sent.calendarStart);
    EXPECT_EQ(got.frame, sent.frame);
    EXPECT_EQ(got.sample, sent.sample);
    EXPECT_EQ(got.stateHash, sent.stateHash);
    EXPECT_EQ(got.reason, sent.reason);
  }
}

TEST(NetPackets, SizesAndKindsAreChecked) {
  const std::vector<uint8_t> input = net::EncodePacket(InputPacket());
  EXPECT_EQ(input.size(), 13u);
  EXPECT_EQ(FaultOf({}), "empty packet");
  EXPECT_NE(FaultOf({0}).find("unknown packet kind 0"), std::string::npos);
  EXPECT_NE(FaultOf({8}).find("unknown packet kind 8"), std::string::npos);
  EXPECT_NE(FaultOf({static_cast<uint8_t>(PacketKind::Ping), 0}).find("too long"), std::string::npos);
  for (size_t length = 1; length < input.size(); ++length) {
    EXPECT_NE(FaultOf(std::vector<uint8_t>(input.begin(), input.begin() + length)).find("too short"),
              std::string::npos);
  }
  std::vector<uint8_t> longer = input;
  longer.push_back(0);
  EXPECT_NE(FaultOf(longer).find("too long"), std::string::npos);
}

TEST(NetPackets, AWelcomeCalendarPastTheLatestStartIsRefused) {
  Packet welcome;
  welcome.kind = PacketKind::Welcome;
  welcome.peer = SomePeer();
  welcome.calendarStart = LatestCalendarStart;
  std::string why;
  EXPECT_EQ(Decoded(net::EncodePacket(welcome), why).calendarStart, LatestCalendarStart);
  EXPECT_TRUE(why.empty()) << why;
  welcome.calendarStart = LatestCalendarStart + 1;
  EXPECT_NE(FaultOf(net::EncodePacket(welcome)).find("calendar start out of range"), std::string::npos);
}

TEST(NetPackets, InputFieldsOutOfRangeAreRefused) {
  auto withByte = [](size_t at, uint8_t value) {
    std::vector<uint8_t> bytes = net::EncodePacket(InputPacket());
    bytes[at] = value;
    return bytes;
  };
  EXPECT_NE(FaultOf(withByte(1, 0)).find("frame 0"), std::string::npos);  // frame 77 becomes 0
  EXPECT_NE(FaultOf(withByte(5, 16)).find("direction"), std::string::npos);
  EXPECT_NE(FaultOf(withByte(6, 3)).find("button"), std::string::npos);
  EXPECT_NE(FaultOf(withByte(7, 0x20)).find("direction"), std::string::npos);
  EXPECT_NE(FaultOf(withByte(12, 4)).find("flags"), std::string::npos);

  Packet hash;
  hash.kind = PacketKind::Hash;
  EXPECT_NE(FaultOf(net::EncodePacket(hash)).find("frame 0"), std::string::npos);
  Packet leave;
  leave.kind = PacketKind::Leave;
  std::vector<uint8_t> bytes = net::EncodePacket(leave);
  bytes.back() = 4;
  EXPECT_NE(FaultOf(bytes).find("unknown reason"), std::string::npos);
}

TEST(NetPackets, HandshakesAreCheckedUpToTheProtocolNumber) {
  Packet hello;
  hello.kind = PacketKind::Hello;
  hello.peer = SomePeer();
  std::vector<uint8_t> bytes = net::EncodePacket(hello);

  std::vector<uint8_t> foreign = bytes;
  foreign[1] = 'X';
  EXPECT_EQ(FaultOf(foreign), "not a Kerzonk handshake");

  // A later protocol may say anything after its number: only that is read.
  std::vector<uint8_t> later(bytes.begin(), bytes.begin() + 7);
  later[5] = 2;
  later.insert(later.end(), {0xFF, 0xFF, 0xFF});
  std::string why;
  const Packet read = Decoded(later, why);
  EXPECT_TRUE(why.empty()) << why;
  EXPECT_EQ(read.peer.protocol, 2);

  for (const std::string& version : {std::string(), std::string("1.0 beta"), std::string(33, '1')}) {
    Packet odd = hello;
    odd.peer.gameVersion = version;
    std::vector<uint8_t> oddBytes = net::EncodePacket(odd);
    if (version.size() > net::MaxGameVersionLength) {
      oddBytes[7] = static_cast<uint8_t>(version.size());
      oddBytes.insert(oddBytes.begin() + 8 + 32, '1');
    }
    EXPECT_NE(FaultOf(oddBytes).find("game version"), std::string::npos) << version;
  }
}

}  // namespace
