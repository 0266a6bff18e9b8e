// The ENet link on loopback, alone and carrying whole sessions, directly and
// through a relay that loses and delays datagrams.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "net/session.h"
#include "platform/link.h"
#include "tests/lockstep_player.h"
#include "tests/lossy_relay.h"

namespace {

using platform::LinkEvent;
using platform::LinkEventKind;

uint32_t NowMs() {
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
}

struct Side {
  std::unique_ptr<platform::Link> link;
  std::vector<LinkEvent> events;

  bool Saw(LinkEventKind kind) const {
    for (const LinkEvent& event : events) {
      if (event.kind == kind) return true;
    }
    return false;
  }
};

// Services every side until done() holds or the time is up.
bool PumpUntil(const std::vector<Side*>& sides, const std::function<bool()>& done, uint32_t timeoutMs = 5000) {
  const uint32_t start = NowMs();
  while (!done()) {
    if (NowMs() - start > timeoutMs) return false;
    for (Side* side : sides) {
      LinkEvent event = side->link->Poll(1);
      if (event.kind != LinkEventKind::None) side->events.push_back(std::move(event));
    }
  }
  return true;
}

Side Listening() {
  std::string error;
  Side side{platform::ListenForPeer(0, error), {}};
  EXPECT_TRUE(side.link) << error;
  return side;
}

Side Connecting(uint16_t port) {
  std::string error;
  Side side{platform::ConnectToPeer("127.0.0.1", port, error), {}};
  EXPECT_TRUE(side.link) << error;
  return side;
}

TEST(EnetLink, PacketsGoBothWaysInOrderUntilOneSideCloses) {
  Side host = Listening();
  ASSERT_TRUE(host.link);
  Side joiner = Connecting(host.link->Port());
  ASSERT_TRUE(joiner.link);
  ASSERT_TRUE(PumpUntil({&host, &joiner}, [&] { return host.Saw(LinkEventKind::Connected) && joiner.Saw(LinkEventKind::Connected); }));

  constexpr int Count = 200;
  for (int i = 0; i < Count; ++i) {
    const uint8_t bytes[3] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), 7};
    ASSERT_TRUE(host.link->Send(bytes, sizeof bytes));
    ASSERT_TRUE(joiner.link->Send(bytes, 2));
  }
  auto received = [](const Side& side) {
    std::vector<int> numbers;
    for (const LinkEvent& event : side.events) {
      if (event.kind == LinkEventKind::Received) numbers.push_back(event.packet[0] | event.packet[1] << 8);
    }
    return numbers;
  };
  ASSERT_TRUE(PumpUntil({&host, &joiner}, [&] { return received(host).size() == Count && received(joiner).size() == Count; }));
  for (int i = 0; i < Count; ++i) {
    ASSERT_EQ(received(host)[i], i);
    ASSERT_EQ(received(joiner)[i], i);
  }

  joiner.link->Close(50);
  ASSERT_TRUE(PumpUntil({&host}, [&] { return host.Saw(LinkEventKind::Closed); }));
  EXPECT_EQ(host.events.back().closeCode, 0u);
  const uint8_t late = 1;
  EXPECT_FALSE(host.link->Send(&late, 1));
}

TEST(EnetLink, AFurtherPeerIsTurnedAwayAndThePortIsTakenOnce) {
  Side host = Listening();
  ASSERT_TRUE(host.link);
  Side first = Connecting(host.link->Port());
  ASSERT_TRUE(PumpUntil({&host, &first}, [&] { return first.Saw(LinkEventKind::Connected); }));
  Side second = Connecting(host.link->Port());
  ASSERT_TRUE(PumpUntil({&host, &first, &second}, [&] { return second.Saw(LinkEventKind::Closed); }));
  EXPECT_EQ(second.events.back().closeCode, platform::LinkFullCode);

  const uint8_t still = 9;
  ASSERT_TRUE(first.link->Send(&still, 1));
  ASSERT_TRUE(PumpUntil({&host, &first}, [&] { return host.Saw(LinkEventKind::Received); }));
  EXPECT_EQ(host.events.back().packet, std::vector<uint8_t>{still});

  std::string error;
  EXPECT_EQ(platform::ListenForPeer(host.link->Port(), error), nullptr);
  EXPECT_EQ(error, "cannot listen on UDP port " + std::to_string(host.link->Port()) +
                       " (is another program using it?)");
}

// Two sessions, host and joiner, run the given frames over real ENet links.
// The joiner connects to joinPort: the host's own, or a relay's in front of it.
void PlaySessions(std::unique_ptr<platform::Link> hostLink, uint16_t joinPort, uint32_t frames, uint32_t timeoutMs) {
  std::string error;
  net::PeerInfo info;
  info.gameVersion = "1.0.0";
  net::Session host({net::Role::Host, info, 1700000000}, std::move(hostLink), NowMs());
  net::Session joiner({net::Role::Joiner, info, 0}, platform::ConnectToPeer("127.0.0.1", joinPort, error), NowMs());
  fixture::Player hostPlayer{&host, fixture::Host, 3};
  fixture::Player joinerPlayer{&joiner, fixture::Joiner, 3};
  bool begun = false;
  const uint32_t start = NowMs();
  while ((hostPlayer.ran < frames || joinerPlayer.ran < frames) && NowMs() - start < timeoutMs) {
    host.Pump(NowMs(), 1);
    joiner.Pump(NowMs(), 1);
    ASSERT_NE(host.State(), net::SessionState::Ended) << host.EndText();
    ASSERT_NE(joiner.State(), net::SessionState::Ended) << joiner.EndText();
    if (host.State() != net::SessionState::Playing || joiner.State() != net::SessionState::Playing) continue;
    if (!begun) {
      hostPlayer.Begin();
      joinerPlayer.Begin();
      begun = true;
    }
    while (hostPlayer.ran < frames && hostPlayer.Step()) {
    }
    while (joinerPlayer.ran < frames && joinerPlayer.Step()) {
    }
  }
  ASSERT_EQ(hostPlayer.ran, frames);
  ASSERT_EQ(joinerPlayer.ran, frames);
  EXPECT_EQ(hostPlayer.merged, joinerPlayer.merged);
  for (uint32_t frame = 1; frame <= frames; ++frame) {
    ASSERT_EQ(hostPlayer.merged[frame - 1],
              net::MergeSamples(fixture::SampleOf(fixture::Host, frame), fixture::SampleOf(fixture::Joiner, frame)));
  }
}

TEST(EnetSession, TwoSessionsRunInLockstepOverLoopback) {
  std::string error;
  std::unique_ptr<platform::Link> listener = platform::ListenForPeer(0, error);
  ASSERT_TRUE(listener) << error;
  const uint16_t port = listener->Port();
  PlaySessions(std::move(listener), port, 600, 20000);
}

TEST(EnetSession, TwoSessionsRunInLockstepOverALossyPath) {
  std::string error;
  std::unique_ptr<platform::Link> listener = platform::ListenForPeer(0, error);
  ASSERT_TRUE(listener) << error;
  fixture::LossyRelay relay(listener->Port(), 0.05, 50, 7);
  ASSERT_TRUE(relay.Ready());
  const uint16_t port = relay.Port();
  PlaySessions(std::move(listener), port, 150, 30000);
  EXPECT_GT(relay.Dropped(), 0);
  EXPECT_GT(relay.Passed(), 100);
}

}  // namespace
