// The packet decoder's fuzz entry on every packet kind, each of its
// shortenings and every value of every one of its bytes.
#include <gtest/gtest.h>

#include "net/packets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::vector<uint8_t>> EveryKind() {
  std::vector<std::vector<uint8_t>> packets;
  net::Packet packet;
  packet.peer.gameVersion = "1.0.0";
  packet.peer.dataChecksum = 99;
  for (net::PacketKind kind : {net::PacketKind::Hello, net::PacketKind::Welcome, net::PacketKind::Refusal,
                               net::PacketKind::Input, net::PacketKind::Hash, net::PacketKind::Leave,
                               net::PacketKind::Ping}) {
    packet.kind = kind;
    packet.frame = 61;
    packet.sample.keyDirections = DirUp;
    packet.sample.joyButtons = 5;
    packets.push_back(net::EncodePacket(packet));
  }
  return packets;
}

TEST(NetPacketFuzzEntry, TakesEveryShorteningAndEveryByteValue) {
  int runs = 0;
  for (const std::vector<uint8_t>& packet : EveryKind()) {
    for (size_t length = 0; length <= packet.size() + 1; ++length) {
      std::vector<uint8_t> bytes = packet;
      bytes.resize(length, 0);
      EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
      ++runs;
    }
    for (size_t at = 0; at < packet.size(); ++at) {
      std::vector<uint8_t> bytes = packet;
      for (int value = 0; value < 256; ++value) {
        bytes[at] = static_cast<uint8_t>(value);
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
        ++runs;
      }
    }
  }
  EXPECT_GT(runs, 10000);
}

}  // namespace
