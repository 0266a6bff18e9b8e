// The real program's frames as one side of a session, headless, against a
// scripted other side in the same process: the host's keys choose the game,
// the other side echoes the host's state hashes until told to differ. A
// session that goes out of step keeps its game, which plays back; a solo
// game of a session neither writes the best score nor counts as the best game.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "key_codes.h"
#include "net/network_game.h"
#include "net/packets.h"
#include "recording/game_recordings.h"
#include "recording/playback.h"
#include "recording/recording_text.h"
#include "rules/state.h"
#include "scratch_folder.h"
#include "screens/title.h"
#include "shell/app.h"
#include "shell/file_names.h"
#include "shell/reset.h"
#include "shell/scenes.h"
#include "tests/e2e_support.h"
#include "tests/lockstep_player.h"
#include "tests/memory_link.h"

namespace fs = std::filesystem;

namespace {

constexpr int SoloItem = 0, VersusItem = 1;
constexpr uint32_t InputDelay = 3;
constexpr int MaxSilentPolls = 10000;
const net::PeerInfo Peer{net::ProtocolVersion, "1.0.0"};
const std::string StoredBestScore = "\x01";  // reads as -1, so any finished game beats it

// The game's end of the wire: what it sends is noted (its input frames and
// state hashes), and each look for news first lets the other side move.
class SteppingLink : public fixture::MemoryLink {
 public:
  SteppingLink(std::shared_ptr<fixture::MemoryWire> wire, std::function<void()> otherSideMoves)
      : MemoryLink(std::move(wire), fixture::Host), otherSideMoves_(std::move(otherSideMoves)) {}
  platform::LinkEvent Poll(uint32_t waitMs) override {
    otherSideMoves_();
    return MemoryLink::Poll(waitMs);
  }
  bool Send(const uint8_t* bytes, size_t size) override {
    net::Packet packet;
    std::string why;
    if (net::DecodePacket(bytes, size, packet, why)) {
      if (packet.kind == net::PacketKind::Input) inputFramesSent = packet.frame;
      if (packet.kind == net::PacketKind::Hash) hashes[packet.frame] = packet.stateHash;
    }
    return MemoryLink::Send(bytes, size);
  }

  uint32_t inputFramesSent = 0;
  std::map<uint32_t, uint64_t> hashes;

 private:
  std::function<void()> otherSideMoves_;
};

class NetworkPlay : public HeadlessGame {
 protected:
  void SetUp() override {
    HeadlessGame::SetUp();
    headless.sound.available = false;
    headless.music.failWith = platform::MusicOpenResult::NoSynthesizer;
    headless.host.calendarStart = 1700000000;
    fixture::WritePictures();
    e2e::WriteFile(BestScoreFileName, StoredBestScore);
  }

  // Opens the two ends, plays the session from the program's start with the
  // host's keys given by hostKeys for each frame the game has run, and
  // returns once it has ended. The other side runs a frame only once the
  // game has run it, so that it can echo the game's state hash.
  void PlayUntilEnded(const std::function<std::vector<const char*>(uint32_t frame)>& hostKeys) {
    GameRecordings recordings(ReplaysFolderName, messages);
    ASSERT_EQ(InitApplication(), 1);
    headless.host.Queue(platform::Message{platform::MessageKind::Activate, 1});
    auto wire = std::make_shared<fixture::MemoryWire>();
    auto otherSideMoves = [this, &hostKeys] {
      other->Pump(headless.host.tick, 0);
      if (gameEnd->inputFramesSent < InputDelay) return;  // the game's frames have not begun
      const uint32_t gameRan = gameEnd->inputFramesSent - InputDelay;
      headless.controls.keys.reset();
      for (const char* key : hostKeys(gameRan)) headless.controls.keys[KeyNamed(key)] = true;
      if (quitAfter != 0 && otherPlayer.ran >= quitAfter) other->Quit(otherPlayer.ran);
      if (silentAfter != 0 && otherPlayer.ran >= silentAfter && ++silentPolls < MaxSilentPolls) return;
      while (other->State() == net::SessionState::Playing && otherPlayer.ran < gameRan && otherPlayer.Step()) {
      }
      other->Pump(headless.host.tick, 0);
    };
    auto link = std::make_unique<SteppingLink>(wire, otherSideMoves);
    gameEnd = link.get();
    game = std::make_unique<net::Session>(net::SessionSetup{net::Role::Host, Peer, 1700000000}, std::move(link),
                                          headless.host.tick);
    other = std::make_unique<net::Session>(net::SessionSetup{net::Role::Joiner, Peer, 0},
                                           std::make_unique<fixture::MemoryLink>(wire, fixture::Joiner),
                                           headless.host.tick);
    otherPlayer = fixture::Player{other.get(), fixture::Joiner, InputDelay};
    otherPlayer.sampleOf = [](uint32_t) { return InputSample{}; };
    otherPlayer.hashOf = [this](uint32_t frame) {
      const uint64_t hash = gameEnd->hashes[frame];
      return apartFrom != 0 && frame >= apartFrom ? hash ^ 1 : hash;
    };
    for (int round = 0; round < 3; ++round) {
      game->Pump(headless.host.tick, 0);
      other->Pump(headless.host.tick, 0);
    }
    ASSERT_EQ(game->State(), net::SessionState::Playing);
    otherPlayer.Begin();
    playedOn = net::PlaySession(*game, net::Role::Host, InputDelay, recordings, exitCode);
    other->Pump(headless.host.tick, 0);
    sceneAtEnd = currentScene;
    // Local play goes on, as after the notice.
    RestartGame();
    for (int frame = 0; frame < 10; ++frame) RunLoopPass(exitCode);
  }

  // The title's item chosen and confirmed, a few frames to each key.
  static std::vector<const char*> Choose(int item, uint32_t frame) {
    if (currentScene != SceneTitle || frame % 8 < 4) return {};
    return {menuSelection == item ? "Z" : "Down"};
  }

  // The one game the session left in the replays folder, which is not the best game.
  void OnlyKeptGame(Recording& recording) const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(ReplaysFolderName)) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u) << messages.str();
    ASSERT_NE(files[0].filename(), BestGameFileName);
    std::string error;
    ASSERT_TRUE(ParseRecording(e2e::ReadFile(files[0]), recording, error)) << error;
  }

  fixture::ScratchFolder folder{"network_play"};
  std::ostringstream messages;
  std::unique_ptr<net::Session> game, other;
  SteppingLink* gameEnd = nullptr;  // the game's link, owned by its session
  fixture::Player otherPlayer;
  int sceneAtEnd = -1;
  uint32_t apartFrom = 0;  // the first frame whose state hash the other side gets wrong
  uint32_t quitAfter = 0;  // the frame after which the other side quits
  uint32_t silentAfter = 0;  // the frame after which the other side holds back its input
  int silentPolls = 0;       // looks for news while it does, up to MaxSilentPolls
  bool playedOn = false;     // the session ended without the program's end
  int exitCode = -1;
};

TEST_F(NetworkPlay, AVersusGameOutOfStepEndsBothSidesAndIsKeptToPlayBack) {
  ASSERT_NO_FATAL_FAILURE(PlayUntilEnded([this](uint32_t frame) {
    if (currentScene == SceneVersus && apartFrom == 0) apartFrom = (frame / 60 + 4) * 60;
    return currentScene == SceneVersus ? std::vector<const char*>{} : Choose(VersusItem, frame);
  }));
  ASSERT_TRUE(playedOn);
  ASSERT_NE(apartFrom, 0u);
  EXPECT_EQ(game->End(), net::SessionEnd::OutOfStep);
  EXPECT_EQ(game->ApartAt(), apartFrom);
  EXPECT_EQ(other->End(), net::SessionEnd::OutOfStep);
  EXPECT_EQ(sceneAtEnd, SceneVersus);

  Recording recording;
  ASSERT_NO_FATAL_FAILURE(OnlyKeptGame(recording));
  EXPECT_EQ(recording.mode, GameMode::Versus);
  EXPECT_GT(recording.frames, 150u);

  // The kept game plays back on a machine of its own.
  ResetGameState();
  headless = platform::Headless();
  SetUp();
  ASSERT_EQ(InitApplication(), 1);
  headless.host.Queue(platform::Message{platform::MessageKind::Activate, 1});
  RunLoopPass(exitCode);
  Playback playback(recording);
  playback.Begin();
  for (uint32_t frame = 0; frame < recording.frames && !playback.Finished(); ++frame) {
    headless.host.tick += 16;
    RunLoopPass(exitCode);
  }
  EXPECT_TRUE(playback.Finished());
  EXPECT_EQ(playback.DivergedAt(), 0u) << playback.DivergenceText();
}

TEST_F(NetworkPlay, ASoloGameOfASessionIsKeptButSetsNoBest) {
  static const std::vector<const char*> moves[] = {{"Down"}, {"Down"}, {"Down"}, {"Down"}, {"Down"}, {"Down"}, {"Down"},
                                                   {"Left"}, {"Right"}, {"X"},    {"Up"},   {"Z"},    {}};
  bool played = false;
  ASSERT_NO_FATAL_FAILURE(PlayUntilEnded([&](uint32_t frame) {
    played = played || currentScene == SceneSolo;
    if (quitAfter == 0 && ((played && currentScene == SceneTitle) || frame > 30000)) quitAfter = frame + 30;
    if (currentScene == SceneSolo) {
      if (playerPhase[0] == PhaseGameOver) return std::vector<const char*>{};
      return moves[((frame * 1103515245u + 12345u) >> 16) % 13];
    }
    return played ? std::vector<const char*>{} : Choose(SoloItem, frame);
  }));
  ASSERT_TRUE(playedOn);
  EXPECT_EQ(game->End(), net::SessionEnd::PeerQuit);
  EXPECT_EQ(sceneAtEnd, SceneTitle);
  Recording recording;
  ASSERT_NO_FATAL_FAILURE(OnlyKeptGame(recording));
  EXPECT_EQ(recording.mode, GameMode::Solo);
  EXPECT_GT(recording.finalScore, 0) << recording.frames;
  EXPECT_EQ(e2e::ReadFile(BestScoreFileName), StoredBestScore);
}

}  // namespace

TEST_F(NetworkPlay, WhileTheOtherSideIsLateEscapeStillEndsTheProgram) {
  silentAfter = 100;
  ASSERT_NO_FATAL_FAILURE(PlayUntilEnded([this](uint32_t) {
    if (silentPolls == 50) headless.host.Queue(platform::Message{platform::MessageKind::EscapeKey, 0});
    return std::vector<const char*>{};
  }));
  EXPECT_FALSE(playedOn);
  EXPECT_EQ(exitCode, 0);
  EXPECT_LT(silentPolls, MaxSilentPolls) << "the window answered only once the other side went on";
  EXPECT_EQ(other->End(), net::SessionEnd::PeerQuit);
}
