#include <gtest/gtest.h>

#include "net/packets.h"
#include "net/session.h"
#include "tests/lockstep_player.h"
#include "tests/memory_link.h"

namespace {

using net::SessionEnd;
using net::SessionState;

using fixture::Host;
using fixture::Joiner;
using fixture::Player;
using fixture::SampleOf;

net::PeerInfo Info(const char* version = "1.0.0", uint64_t checksum = 42, uint32_t lastFrame = 0) {
  net::PeerInfo info;
  info.gameVersion = version;
  info.dataChecksum = checksum;
  info.lastFrame = lastFrame;
  return info;
}

class NetSession : public testing::Test {
 protected:
  void Start(const net::PeerInfo& hostInfo = Info(), const net::PeerInfo& joinerInfo = Info()) {
    host = std::make_unique<net::Session>(net::SessionSetup{net::Role::Host, hostInfo, CalendarStart},
                                          std::make_unique<fixture::MemoryLink>(wire, Host), now);
    joiner = std::make_unique<net::Session>(net::SessionSetup{net::Role::Joiner, joinerInfo, 0},
                                            std::make_unique<fixture::MemoryLink>(wire, Joiner), now);
  }
  void PumpBoth(int rounds = 3) {
    for (int i = 0; i < rounds; ++i) {
      host->Pump(now, 0);
      joiner->Pump(now, 0);
    }
  }
  void StartPlaying(uint32_t hostDelay = 3, uint32_t joinerDelay = 3) {
    PumpBoth();
    ASSERT_EQ(host->State(), SessionState::Playing);
    ASSERT_EQ(joiner->State(), SessionState::Playing);
    hostPlayer = Player{host.get(), Host, hostDelay};
    joinerPlayer = Player{joiner.get(), Joiner, joinerDelay};
    hostPlayer.Begin();
    joinerPlayer.Begin();
  }
  // Both sides run up to the frame, pumping between steps.
  void RunTo(uint32_t frame) {
    for (int guard = 0; guard < 100000 && (hostPlayer.ran < frame || joinerPlayer.ran < frame); ++guard) {
      if (hostPlayer.ran < frame) hostPlayer.Step();
      host->Pump(now, 0);
      if (joinerPlayer.ran < frame) joinerPlayer.Step();
      joiner->Pump(now, 0);
      if (host->State() == SessionState::Ended || joiner->State() == SessionState::Ended) return;
    }
  }

  static constexpr int64_t CalendarStart = 1700000000;
  std::shared_ptr<fixture::MemoryWire> wire = std::make_shared<fixture::MemoryWire>();
  std::unique_ptr<net::Session> host, joiner;
  Player hostPlayer, joinerPlayer;
  uint32_t now = 5000;
};

TEST_F(NetSession, MatchingGamesPlayWithTheHostsCalendar) {
  Start();
  EXPECT_EQ(host->State(), SessionState::Waiting);
  PumpBoth();
  EXPECT_EQ(host->State(), SessionState::Playing);
  EXPECT_EQ(joiner->State(), SessionState::Playing);
  EXPECT_EQ(host->CalendarStart(), CalendarStart);
  EXPECT_EQ(joiner->CalendarStart(), CalendarStart);
}

TEST_F(NetSession, MismatchesAreRefusedOnBothSidesNamingWhatDiffers) {
  Start(Info("1.0.0", 42), Info("1.2.0", 43));
  PumpBoth();
  EXPECT_EQ(host->End(), SessionEnd::Refused);
  EXPECT_EQ(joiner->End(), SessionEnd::Refused);
  EXPECT_EQ(host->EndText(),
            "cannot play with the other game: the other game is version 1.2.0, this one 1.0.0; "
            "the other game's data files differ from this one's");
  EXPECT_EQ(joiner->EndText(),
            "cannot play with the other game: the other game is version 1.0.0, this one 1.2.0; "
            "the other game's data files differ from this one's");

  // Of another protocol, nothing past its number is compared.
  net::PeerInfo later = Info("1.2.0", 43);
  later.protocol = net::ProtocolVersion + 1;
  wire = std::make_shared<fixture::MemoryWire>();
  Start(Info(), later);
  PumpBoth();
  const std::string protocols = std::to_string(net::ProtocolVersion) + ", this one " +
                                std::to_string(net::ProtocolVersion + 1);
  EXPECT_EQ(host->EndText(), "cannot play with the other game: the other game speaks network protocol " +
                                 std::to_string(net::ProtocolVersion + 1) + ", this one " +
                                 std::to_string(net::ProtocolVersion));
  EXPECT_EQ(joiner->EndText(), "cannot play with the other game: the other game speaks network protocol " + protocols);
}

TEST_F(NetSession, BothSidesRunTheSameMergedInputs) {
  Start();
  StartPlaying(3, 7);
  RunTo(300);
  ASSERT_EQ(hostPlayer.ran, 300u);
  ASSERT_EQ(joinerPlayer.ran, 300u);
  EXPECT_EQ(host->State(), SessionState::Playing);
  for (uint32_t frame = 1; frame <= 300; ++frame) {
    const InputSample expected = net::MergeSamples(SampleOf(Host, frame), SampleOf(Joiner, frame));
    ASSERT_EQ(hostPlayer.merged[frame - 1], expected) << "frame " << frame;
    ASSERT_EQ(joinerPlayer.merged[frame - 1], expected) << "frame " << frame;
  }
}

TEST_F(NetSession, AFrameWaitsForTheOtherSidesInput) {
  Start();
  StartPlaying(2, 2);
  PumpBoth();
  // The joiner does not move on: the host can run only what the joiner's samples cover.
  for (int i = 0; i < 10; ++i) {
    hostPlayer.Step();
    host->Pump(now, 0);
  }
  EXPECT_EQ(hostPlayer.ran, 2u);
  joinerPlayer.Step();
  PumpBoth();
  EXPECT_TRUE(hostPlayer.Step());
  EXPECT_FALSE(hostPlayer.Step());
}

TEST_F(NetSession, DifferingStateHashesEndBothSidesOutOfStep) {
  Start();
  StartPlaying();
  joinerPlayer.hashOf = [](uint32_t frame) { return frame < 120 ? frame * 31ull : 0; };
  RunTo(200);
  PumpBoth();
  EXPECT_EQ(host->End(), SessionEnd::OutOfStep);
  EXPECT_EQ(joiner->End(), SessionEnd::OutOfStep);
  EXPECT_EQ(host->ApartAt(), 120u);
  EXPECT_EQ(joiner->ApartAt(), 120u);
  EXPECT_EQ(host->EndText(), "the two games went out of step (their states differ after frame 120)");
}

TEST_F(NetSession, QuittingLosingAndSilenceEndTheOtherSide) {
  Start();
  StartPlaying();
  RunTo(30);
  joiner->Quit(30);
  EXPECT_EQ(joiner->End(), SessionEnd::LocalQuit);
  EXPECT_EQ(joiner->EndText(), "");
  PumpBoth();
  EXPECT_EQ(host->End(), SessionEnd::PeerQuit);
  EXPECT_EQ(host->EndText(), "the other player left the game");

  wire = std::make_shared<fixture::MemoryWire>();
  Start();
  StartPlaying();
  joiner.reset();  // gone without a goodbye packet
  host->Pump(now, 0);
  EXPECT_EQ(host->End(), SessionEnd::PeerLost);

  wire = std::make_shared<fixture::MemoryWire>();
  Start();
  StartPlaying();
  PumpBoth();
  now += net::SilenceLimitMs - 1;
  host->Pump(now, 0);
  EXPECT_EQ(host->State(), SessionState::Playing);
  now += 1;
  host->Pump(now, 0);
  EXPECT_EQ(host->End(), SessionEnd::PeerSilent);
  EXPECT_EQ(host->EndText(), "no word from the other player for 5 seconds");
}

TEST_F(NetSession, AnIdleSessionIsKeptAlive) {
  Start();
  StartPlaying();
  for (int second = 0; second < 20; ++second) {
    now += 1000;
    PumpBoth(1);
  }
  EXPECT_EQ(host->State(), SessionState::Playing);
  EXPECT_EQ(joiner->State(), SessionState::Playing);
}

TEST_F(NetSession, FaultyOrUntimelyPacketsEndTheSession) {
  net::Packet welcome;
  welcome.kind = net::PacketKind::Welcome;
  welcome.peer = Info();
  net::Packet early;
  early.kind = net::PacketKind::Input;
  early.frame = 1;
  net::Packet skipping = early;
  skipping.frame = 5;
  const std::pair<std::vector<uint8_t>, const char*> cases[] = {
      {{0xEE, 1, 2}, "unknown packet kind 238"},
      {net::EncodePacket(welcome), "welcome during play"},
      {net::EncodePacket(skipping), "input for frame 5 where frame 4 was next"},
  };
  for (const auto& [bytes, why] : cases) {
    wire = std::make_shared<fixture::MemoryWire>();
    Start();
    StartPlaying();
    PumpBoth();
    wire->Deliver(Host, bytes);
    host->Pump(now, 0);
    EXPECT_EQ(host->End(), SessionEnd::BadPacket) << why;
    EXPECT_EQ(host->EndText(), std::string("the other side sent a faulty packet: ") + why);
  }

  wire = std::make_shared<fixture::MemoryWire>();
  Start();
  wire->Deliver(Host, net::EncodePacket(early));  // before any hello
  host->Pump(now, 0);
  EXPECT_EQ(host->EndText(), "the other side sent a faulty packet: input where a hello was due");
}

TEST_F(NetSession, ScriptedRunsEndTogetherAtTheAgreedFrame) {
  Start(Info("1.0.0", 42, 90), Info("1.0.0", 42, 90));
  StartPlaying();
  RunTo(90);
  host->Finish(90);
  PumpBoth();
  EXPECT_EQ(host->State(), SessionState::Playing);  // the joiner has not said it is done
  joiner->Finish(90);
  PumpBoth();
  EXPECT_EQ(host->End(), SessionEnd::Finished);
  EXPECT_EQ(joiner->End(), SessionEnd::Finished);

  wire = std::make_shared<fixture::MemoryWire>();
  Start(Info("1.0.0", 42, 90), Info("1.0.0", 42, 90));
  StartPlaying();
  RunTo(50);
  net::Packet early;
  early.kind = net::PacketKind::Leave;
  early.frame = 50;
  early.reason = net::LeaveReason::Finished;
  wire->Deliver(Host, net::EncodePacket(early));
  host->Pump(now, 0);
  EXPECT_EQ(host->End(), SessionEnd::BadPacket);
}

}  // namespace
