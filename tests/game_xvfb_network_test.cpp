// Two copies of the real program on loopback, each in a bare X server of its
// own: the host waits with its caption, the joiner joins, the host's keys
// pick a versus game that both screens show alike, and when the joiner ends
// with Escape the host tells so and plays on alone.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "tests/e2e_support.h"
#include "tests/lossy_relay.h"

namespace fs = std::filesystem;

namespace {

constexpr int ScreenPixels = 640 * 480;

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class NetworkGameInXvfb : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool", "import", "compare"}) {
      if (e2e::FindProgram(tool).empty()) GTEST_SKIP() << tool << " is not installed";
    }
    for (int side = 0; side < 2; ++side) {
      // Each server picks a free display itself and writes its number to its output.
      servers_[side] = std::make_unique<e2e::Child>(
          std::vector<std::string>{e2e::FindProgram("Xvfb"), "-displayfd", "1", "-screen", "0", "640x480x24",
                                   "-nolisten", "tcp"},
          std::map<std::string, std::string>{}, scratch_.Path(), scratch_.Path() / ("xvfb" + std::to_string(side)));
      for (int tries = 0; tries < 200 && servers_[side]->Output().find('\n') == std::string::npos; ++tries) Pause(50);
      const std::string output = servers_[side]->Output();
      ASSERT_NE(output.find('\n'), std::string::npos) << servers_[side]->Errors();
      displays_[side] = output.substr(0, output.find('\n'));
      displays_[side].insert(displays_[side].begin(), ':');
    }
  }

  void TearDown() override {
    for (auto& server : servers_) {
      if (!server) continue;
      server->Signal(SIGTERM);
      server->Wait(5000);
    }
  }

  int Tool(int side, const std::vector<std::string>& argv) {
    return e2e::Run(argv, {{"DISPLAY", displays_[side]}}, scratch_.Path(), scratch_.Path() / "tool");
  }

  fs::path Screenshot(int side, const std::string& name) {
    const fs::path file = scratch_.Path() / (name + ".png");
    Tool(side, {e2e::FindProgram("import"), "-window", "root", file.string()});
    return file;
  }

  // The number of pixels that differ between two screenshots.
  int Differing(const fs::path& a, const fs::path& b) {
    e2e::Run({e2e::FindProgram("compare"), "-metric", "AE", a.string(), b.string(), "null:"}, {}, scratch_.Path(),
             scratch_.Path() / "compare");
    const std::string count = e2e::ReadFile(scratch_.Path() / "compare.err");
    return count.empty() ? ScreenPixels : std::stoi(count);
  }

  void Keys(int side, const std::vector<std::string>& keys) {
    // The pointer over the window gives it the keyboard in a server without a window manager.
    Tool(side, {e2e::FindProgram("xdotool"), "mousemove", "320", "240"});
    for (const std::string& key : keys) {
      Tool(side, {e2e::FindProgram("xdotool"), "keydown", key, "sleep", "0.2", "keyup", key, "sleep", "0.3"});
    }
  }

  std::unique_ptr<e2e::Child> StartGame(int side, const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {(game_ / "kerzonk").string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const std::string name = side == 0 ? "host" : "joiner";
    return std::make_unique<e2e::Child>(argv,
                                        std::map<std::string, std::string>{
                                            {"DISPLAY", displays_[side]},
                                            {"XDG_DATA_HOME", (scratch_.Path() / name).string()},
                                            {"XDG_CONFIG_HOME", (scratch_.Path() / name).string()},
                                            {"SDL_AUDIODRIVER", "dummy"},
                                            {"ASAN_OPTIONS", "detect_leaks=0"}},
                                        game_, scratch_.Path() / name);
  }

  e2e::ScratchFolder scratch_;
  fs::path game_ = e2e::CopyGameFolder(scratch_);
  std::unique_ptr<e2e::Child> servers_[2];
  std::string displays_[2];
};

TEST_F(NetworkGameInXvfb, BothScreensShowTheHostsVersusGameUntilTheJoinerLeaves) {
  const std::string port = std::to_string(fixture::FreeUdpPort());
  auto host = StartGame(0, {"--host", port});
  Pause(2500);
  ASSERT_TRUE(host->Running()) << host->Errors();
  const fs::path waiting = Screenshot(0, "waiting");
  auto joiner = StartGame(1, {"--join", "127.0.0.1:" + port});
  Pause(2500);
  ASSERT_TRUE(joiner->Running()) << joiner->Errors();
  const fs::path title = Screenshot(1, "title");

  Keys(0, {"Down", "z"});
  Keys(1, {"Left"});
  Pause(5000);
  const fs::path hostScreen = Screenshot(0, "host");
  const fs::path joinerScreen = Screenshot(1, "joiner");
  // The two wells and the panel alike, but for a falling pair or two a few frames apart.
  EXPECT_LT(Differing(hostScreen, joinerScreen), ScreenPixels / 20);
  EXPECT_GT(Differing(hostScreen, title), ScreenPixels / 4);
  EXPECT_GT(Differing(hostScreen, waiting), ScreenPixels / 4);

  Keys(1, {"Escape"});
  EXPECT_EQ(joiner->Wait(10000), 0) << joiner->Errors();
  Pause(5000);
  ASSERT_TRUE(host->Running()) << host->Errors();
  EXPECT_NE(host->Errors().find("the other player left the game"), std::string::npos) << host->Errors();
  const fs::path alone = Screenshot(0, "alone");
  EXPECT_LT(Differing(alone, title), Differing(alone, hostScreen)) << "back on its own title";
  Keys(0, {"Escape"});
  EXPECT_EQ(host->Wait(10000), 0) << host->Errors();
}

TEST_F(NetworkGameInXvfb, EscapeCancelsTheWaitAndTheJoining) {
  auto host = StartGame(0, {"--host", std::to_string(fixture::FreeUdpPort())});
  auto joiner = StartGame(1, {"--join", "127.0.0.1:" + std::to_string(fixture::FreeUdpPort())});
  Pause(2500);
  ASSERT_TRUE(host->Running()) << host->Errors();
  ASSERT_TRUE(joiner->Running()) << joiner->Errors();
  Keys(0, {"Escape"});
  Keys(1, {"Escape"});
  EXPECT_EQ(host->Wait(5000), 0) << host->Errors();
  EXPECT_EQ(joiner->Wait(5000), 0) << joiner->Errors();
}

}  // namespace
