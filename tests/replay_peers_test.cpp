// The replay runner as the two sides of a network session: a host and a
// joiner, each with its own script, give the very states of a local run of
// the two scripts merged, over loopback and over a lossy path; and the
// session's faults end both sides with a message and exit code 1.
#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <map>
#include <set>
#include <sstream>

#include "net/packets.h"
#include "platform/link.h"
#include "tests/e2e_support.h"
#include "tests/lossy_relay.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* HostTime = "1700000000";
constexpr int VersusFrames = 2930;
constexpr int RunTimeoutMs = 120000;

// A script's lines without its comments, as "frame words..." pairs.
std::vector<std::pair<std::string, std::vector<std::string>>> ScriptLines(const std::string& text) {
  std::vector<std::pair<std::string, std::vector<std::string>>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string frame, word;
    if (!(words >> frame) || frame[0] == '#') continue;
    std::vector<std::string> held;
    while (words >> word) {
      if (word != "-") held.push_back(word);
    }
    lines.emplace_back(frame, held);
  }
  return lines;
}

std::string Line(const std::string& frame, const std::vector<std::string>& words) {
  std::string line = frame;
  for (const std::string& word : words) line += " " + word;
  return line + (words.empty() ? " -\n" : "\n");
}

const std::map<std::string, std::string> JoystickForm{{"left", "j:left"}, {"right", "j:right"}, {"up", "j:up"},
                                                      {"down", "j:down"}, {"z", "j:1"},         {"x", "j:2"}};

// The versus script split in two: the keyboard for the host, the joystick
// turned back into the joiner's own keys.
void SplitVersusScript(std::string& host, std::string& joiner) {
  const std::string versus = e2e::ReadFile(fs::path(KERZONK_SOURCE_DIR) / "tests" / "replay" / "versus.txt");
  for (const auto& [frame, words] : ScriptLines(versus)) {
    std::vector<std::string> hostWords, joinerWords;
    for (const std::string& word : words) {
      if (word.rfind("j:", 0) != 0) hostWords.push_back(word);
      for (const auto& [key, stick] : JoystickForm) {
        if (stick == word) joinerWords.push_back(key);
      }
    }
    host += Line(frame, hostWords);
    joiner += Line(frame, joinerWords);
  }
}

// The two peers' scripts merged: the host's lines as they are, the joiner's
// with every key word in its joystick form; a side without a line at a
// frame keeps what it held.
std::string MergedScript(const std::string& host, const std::string& joiner) {
  std::map<int, std::vector<std::string>> hostAt, joinerAt;
  for (const auto& [frame, words] : ScriptLines(host)) hostAt[std::stoi(frame)] = words;
  for (const auto& [frame, words] : ScriptLines(joiner)) {
    std::vector<std::string>& sticks = joinerAt[std::stoi(frame)];
    for (const std::string& word : words) sticks.push_back(JoystickForm.at(word));
  }
  std::set<int> frames;
  for (const auto* side : {&hostAt, &joinerAt}) {
    for (const auto& [frame, words] : *side) frames.insert(frame);
  }
  std::vector<std::string> hostHeld, joinerHeld;
  std::string merged;
  for (int frame : frames) {
    if (hostAt.count(frame) > 0) hostHeld = hostAt[frame];
    if (joinerAt.count(frame) > 0) joinerHeld = joinerAt[frame];
    std::vector<std::string> words = hostHeld;
    words.insert(words.end(), joinerHeld.begin(), joinerHeld.end());
    merged += Line(std::to_string(frame), words);
  }
  return merged;
}

class ReplayPeers : public testing::Test {
 protected:
  void SetUp() override { SplitVersusScript(hostScript_, joinerScript_); }

  std::string At(const std::string& name) const { return (scratch_.Path() / name).string(); }

  std::unique_ptr<e2e::Child> Runner(std::vector<std::string> arguments, const std::string& name,
                                     const fs::path& game) {
    arguments.insert(arguments.begin(), {(e2e::BuiltGameFolder() / "kerzonk-replay").string(), "--data", game.string()});
    return std::make_unique<e2e::Child>(arguments, std::map<std::string, std::string>{}, scratch_.Path(),
                                        scratch_.Path() / name);
  }
  std::unique_ptr<e2e::Child> Host(uint16_t port, int frames, const std::string& name,
                                   std::vector<std::string> more = {}) {
    e2e::WriteFile(At("host.txt"), hostScript_);
    more.insert(more.end(), {"--host", std::to_string(port), "--time", HostTime, "--frames", std::to_string(frames),
                             "--input", At("host.txt"), "--states", At(name + ".jsonl")});
    return Runner(more, name, game_);
  }
  std::unique_ptr<e2e::Child> Joiner(uint16_t port, int frames, const std::string& name,
                                     std::vector<std::string> more = {}, const fs::path& game = {}) {
    e2e::WriteFile(At("joiner.txt"), joinerScript_);
    more.insert(more.end(), {"--join", "127.0.0.1:" + std::to_string(port), "--frames", std::to_string(frames),
                             "--input", At("joiner.txt"), "--states", At(name + ".jsonl")});
    return Runner(more, name, game.empty() ? game_ : game);
  }
  // The local run of the merged script.
  std::string LocalStates(int frames) {
    e2e::WriteFile(At("merged.txt"), MergedScript(hostScript_, joinerScript_));
    EXPECT_EQ(Runner({"--time", HostTime, "--frames", std::to_string(frames), "--input", At("merged.txt"),
                      "--states", At("local.jsonl")},
                     "local", game_)
                  ->Wait(RunTimeoutMs),
              0);
    return e2e::ReadFile(At("local.jsonl"));
  }

  // Until a run has written some frames' states, for at most 10 seconds.
  void WaitForStates(const std::string& name) const {
    for (int guard = 0; guard < 500 && e2e::ReadFile(At(name)).size() < 100000; ++guard) usleep(20000);
  }

  e2e::ScratchFolder scratch_;
  fs::path game_ = e2e::CopyGameFolder(scratch_);
  std::string hostScript_, joinerScript_;
};

TEST_F(ReplayPeers, HostAndJoinerRunTheMergedScriptsGame) {
  const uint16_t port = fixture::FreeUdpPort();
  auto host = Host(port, VersusFrames, "host");
  auto joiner = Joiner(port, VersusFrames, "joiner");
  ASSERT_EQ(host->Wait(RunTimeoutMs), 0) << host->Errors();
  ASSERT_EQ(joiner->Wait(RunTimeoutMs), 0) << joiner->Errors();
  const std::string local = LocalStates(VersusFrames);
  EXPECT_EQ(std::count(local.begin(), local.end(), '\n'), VersusFrames);
  EXPECT_TRUE(e2e::ReadFile(At("host.jsonl")) == local);
  EXPECT_TRUE(e2e::ReadFile(At("joiner.jsonl")) == local);
}

TEST_F(ReplayPeers, ALossySlowPathOnlyStallsThem) {
  constexpr int Frames = 900;
  const uint16_t port = fixture::FreeUdpPort();
  auto host = Host(port, Frames, "host");
  fixture::LossyRelay relay(port, 0.05, 50, 11);
  ASSERT_TRUE(relay.Ready());
  auto joiner = Joiner(relay.Port(), Frames, "joiner");
  ASSERT_EQ(host->Wait(RunTimeoutMs), 0) << host->Errors();
  ASSERT_EQ(joiner->Wait(RunTimeoutMs), 0) << joiner->Errors();
  EXPECT_GT(relay.Dropped(), 0);
  EXPECT_GT(relay.Passed(), 10 * relay.Dropped()) << "about one in twenty is lost";
  const std::string local = LocalStates(Frames);
  EXPECT_TRUE(e2e::ReadFile(At("host.jsonl")) == local);
  EXPECT_TRUE(e2e::ReadFile(At("joiner.jsonl")) == local);
}

TEST_F(ReplayPeers, OtherDataOrRunLengthIsRefusedOnBothSidesAndAThirdPeerIsTurnedAway) {
  const uint16_t port = fixture::FreeUdpPort();
  const fs::path otherGame = scratch_.Path() / "other";
  fs::copy(game_, otherGame, fs::copy_options::recursive);
  // One pixel of the backdrop picture is another colour.
  std::string picture = e2e::ReadFile(otherGame / "絵" / "game_2.bmp");
  picture.back() = static_cast<char>(picture.back() ^ 1);
  e2e::WriteFile(otherGame / "絵" / "game_2.bmp", picture);
  {
    auto host = Host(port, 100, "host");
    auto joiner = Joiner(port, 200, "joiner", {}, otherGame);
    EXPECT_EQ(host->Wait(RunTimeoutMs), 1);
    EXPECT_EQ(joiner->Wait(RunTimeoutMs), 1);
    for (const std::string& errors : {host->Errors(), joiner->Errors()}) {
      EXPECT_NE(errors.find("cannot play with the other game"), std::string::npos) << errors;
      EXPECT_NE(errors.find("data files differ"), std::string::npos) << errors;
      EXPECT_NE(errors.find("100 frames"), std::string::npos) << errors;
    }
  }
  // The host and its joiner play on while a third is turned away.
  auto host = Host(port, 4 * VersusFrames, "host");
  auto joiner = Joiner(port, 4 * VersusFrames, "joiner");
  WaitForStates("joiner.jsonl");
  auto third = Joiner(port, 4 * VersusFrames, "third");
  EXPECT_EQ(third->Wait(RunTimeoutMs), 1);
  EXPECT_NE(third->Errors().find("already playing with someone else"), std::string::npos) << third->Errors();
  EXPECT_EQ(host->Wait(RunTimeoutMs), 0) << host->Errors();
  EXPECT_EQ(joiner->Wait(RunTimeoutMs), 0) << joiner->Errors();
}

TEST_F(ReplayPeers, ASilentPeerOrNoHostEndsTheOtherSide) {
  const uint16_t port = fixture::FreeUdpPort();
  auto host = Host(port, 1000000, "host");
  auto joiner = Joiner(port, 1000000, "joiner");
  // Let the session get going, then the joiner falls silent, its link still open.
  WaitForStates("joiner.jsonl");
  joiner->Signal(SIGSTOP);
  EXPECT_EQ(host->Wait(RunTimeoutMs), 1);
  EXPECT_NE(host->Errors().find("no word from the other player for 5 seconds"), std::string::npos) << host->Errors();
  joiner->Signal(SIGKILL);

  auto lonely = Joiner(fixture::FreeUdpPort(), 100, "lonely");
  EXPECT_EQ(lonely->Wait(RunTimeoutMs), 1);
  EXPECT_NE(lonely->Errors().find("no answer from the other game within 10 seconds"), std::string::npos)
      << lonely->Errors();
}

// A joiner of another protocol or version, sending its hello by hand, is
// answered with a refusal, and the host ends with 1 naming the difference.
TEST_F(ReplayPeers, AnotherVersionOrProtocolIsRefusedByName) {
  net::Packet hello;
  hello.kind = net::PacketKind::Hello;
  hello.peer.gameVersion = "0.9.0";
  net::Packet oldProtocol = hello;
  oldProtocol.peer.protocol = net::ProtocolVersion + 1;
  for (const auto& [sent, message] : {std::pair{hello, std::string("the other game is version 0.9.0")},
                                      std::pair{oldProtocol, std::string("speaks network protocol")}}) {
    const uint16_t port = fixture::FreeUdpPort();
    auto host = Host(port, 100, "host");
    std::string error;
    const std::unique_ptr<platform::Link> link = platform::ConnectToPeer("127.0.0.1", port, error);
    ASSERT_NE(link, nullptr) << error;
    platform::LinkEvent event;
    for (int wait = 0; wait < 100 && event.kind != platform::LinkEventKind::Connected; ++wait) event = link->Poll(100);
    ASSERT_EQ(event.kind, platform::LinkEventKind::Connected);
    const std::vector<uint8_t> bytes = net::EncodePacket(sent);
    ASSERT_TRUE(link->Send(bytes.data(), bytes.size()));
    net::Packet answer;
    for (int wait = 0; wait < 50 && answer.kind != net::PacketKind::Refusal; ++wait) {
      event = link->Poll(100);
      std::string why;
      if (event.kind == platform::LinkEventKind::Received) {
        net::DecodePacket(event.packet.data(), event.packet.size(), answer, why);
      }
    }
    EXPECT_EQ(answer.kind, net::PacketKind::Refusal) << message;
    EXPECT_EQ(host->Wait(RunTimeoutMs), 1) << message;
    EXPECT_NE(host->Errors().find(message), std::string::npos) << host->Errors();
  }
}

}  // namespace
