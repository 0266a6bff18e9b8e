// The real program in a bare X server: keys pressed with xdotool start a solo
// game, a screenshot of the screen shows it, and Escape ends the program;
// games played are recorded and play back.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "shell/file_names.h"
#include "video/surface.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int Width = 640, Height = 480;

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The screen's pixels as red, green, blue bytes.
std::vector<uint8_t> RawColours(const fs::path& png, const fs::path& scratch) {
  const fs::path raw = scratch / (png.stem().string() + ".rgb");
  e2e::Run({e2e::FindProgram("convert"), png.string(), "-depth", "8", "rgb:" + raw.string()}, {}, scratch,
           scratch / "convert");
  const std::string bytes = e2e::ReadFile(raw);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// The share of pixels inside the area that have the same colour in both pictures.
double SameShare(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, const Rect& area) {
  if (a.size() != b.size() || a.size() != static_cast<size_t>(Width) * Height * 3) return 0.0;
  int same = 0, total = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const size_t at = (static_cast<size_t>(y) * Width + x) * 3;
      same += a[at] == b[at] && a[at + 1] == b[at + 1] && a[at + 2] == b[at + 2];
      ++total;
    }
  }
  return static_cast<double>(same) / total;
}

class GameInXvfb : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool", "import", "convert"}) {
      if (e2e::FindProgram(tool).empty()) GTEST_SKIP() << tool << " is not installed";
    }
    // The server picks a free display itself and writes its number to its output,
    // so that test runs sharing the machine never meet on one display.
    server_ = std::make_unique<e2e::Child>(
        std::vector<std::string>{e2e::FindProgram("Xvfb"), "-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten",
                                 "tcp"},
        std::map<std::string, std::string>{}, scratch_.Path(), scratch_.Path() / "xvfb");
    for (int tries = 0; tries < 200 && server_->Output().find('\n') == std::string::npos; ++tries) Pause(50);
    const std::string output = server_->Output();
    ASSERT_NE(output.find('\n'), std::string::npos) << server_->Errors();
    display_ = output.substr(0, output.find('\n'));
    display_.insert(display_.begin(), ':');
    ASSERT_TRUE(server_->Running()) << server_->Errors();
  }

  void TearDown() override {
    // Ended politely, the server removes its lock file.
    if (server_) {
      server_->Signal(SIGTERM);
      server_->Wait(5000);
    }
  }

  int Tool(const std::vector<std::string>& argv) {
    return e2e::Run(argv, {{"DISPLAY", display_}}, scratch_.Path(), scratch_.Path() / "tool");
  }

  fs::path Screenshot(const std::string& name) {
    const fs::path file = scratch_.Path() / (name + ".png");
    Tool({e2e::FindProgram("import"), "-window", "root", file.string()});
    return file;
  }

  e2e::Child StartGame(const fs::path& game) {
    return e2e::Child({(game / "kerzonk").string()},
                      {{"DISPLAY", display_},
                       {"SDL_AUDIODRIVER", "disk"},
                       {"SDL_DISKAUDIOFILE", (scratch_.Path() / "audio.raw").string()},
                       {"ASAN_OPTIONS", "detect_leaks=0"}},
                      game, scratch_.Path() / "kerzonk");
  }

  void Press(const char* key) {
    // The pointer over the window gives it the keyboard in a server without a window manager.
    Tool({e2e::FindProgram("xdotool"), "mousemove", "320", "240"});
    Tool({e2e::FindProgram("xdotool"), "keydown", key, "sleep", "0.3", "keyup", key});
  }

  // The share of the solo well and its side panel that looks as in the replay
  // runner's solo game: high in a game, low on the title.
  double SoloShare(const fs::path& screenshot, const fs::path& game) {
    const fs::path replay = scratch_.Path() / "replay.png";
    if (!fs::exists(replay)) ReplaySoloShot(game);
    return SameShare(RawColours(screenshot, scratch_.Path()), RawColours(replay, scratch_.Path()),
                     Rect{140, 0, 500, 480});
  }

  // The same scene from the replay runner, a few seconds into a solo game.
  fs::path ReplaySoloShot(const fs::path& game) {
    const fs::path script = scratch_.Path() / "solo.txt";
    e2e::WriteFile(script, "5 z\n6 -\n");
    const fs::path shot = scratch_.Path() / "replay.png";
    e2e::Run({(game / "kerzonk-replay").string(), "--data", game.string(), "--frames", "300", "--input",
              script.string(), "--shot", "300:" + shot.string()},
             {}, scratch_.Path(), scratch_.Path() / "replay");
    return shot;
  }

  // The game on this server, with its sound going to a file.
  std::unique_ptr<e2e::Child> StartGame(const fs::path& program, const fs::path& folder, const fs::path& userData,
                                        const std::vector<std::string>& arguments = {}) {
    std::vector<std::string> argv = {program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return std::make_unique<e2e::Child>(argv,
                                        std::map<std::string, std::string>{
                                            {"DISPLAY", display_},
                                            {"XDG_DATA_HOME", userData.string()},
                                            {"SDL_AUDIODRIVER", "disk"},
                                            {"SDL_DISKAUDIOFILE", (scratch_.Path() / "audio.raw").string()},
                                            {"ASAN_OPTIONS", "detect_leaks=0"}},
                                        folder, scratch_.Path() / "kerzonk");
  }

  // Starts a solo game and holds Down until the best-score file changes
  // (the game is over and back at the title) or a minute and a half passes;
  // then Escape ends the program. A game played so may end at 0, which is
  // saved only over a file too short to hold a score, so one is put there first.
  void PlaySoloGameHoldingDown(e2e::Child& game, const fs::path& scoreFile) {
    fs::create_directories(scoreFile.parent_path());
    e2e::WriteFile(scoreFile, "\x01");
    Pause(2500);
    ASSERT_TRUE(game.Running()) << game.Errors();
    Tool({e2e::FindProgram("xdotool"), "mousemove", "320", "240"});
    Tool({e2e::FindProgram("xdotool"), "keydown", "z", "sleep", "0.3", "keyup", "z", "sleep", "0.5", "keydown", "Down"});
    for (int waited = 0; waited < 90000 && e2e::ReadFile(scoreFile) == "\x01"; waited += 250) Pause(250);
    Tool({e2e::FindProgram("xdotool"), "keyup", "Down", "key", "Escape"});
    EXPECT_EQ(game.Wait(10000), 0) << game.Errors();
  }

  e2e::ScratchFolder scratch_;
  std::string display_;
  std::unique_ptr<e2e::Child> server_;
};

TEST_F(GameInXvfb, KeysStartASoloGameAndEscapeEndsTheProgram) {
  const fs::path game = e2e::CopyGameFolder(scratch_);
  e2e::Child kerzonk = StartGame(game);
  Pause(2500);
  ASSERT_TRUE(kerzonk.Running()) << kerzonk.Errors();
  const fs::path title = Screenshot("title");

  Press("z");
  Pause(4000);
  const fs::path playing = Screenshot("playing");

  const std::vector<uint8_t> titleColours = RawColours(title, scratch_.Path());
  const std::vector<uint8_t> playingColours = RawColours(playing, scratch_.Path());
  const std::vector<uint8_t> expected = RawColours(ReplaySoloShot(game), scratch_.Path());
  // The solo well and its side panel fill the middle of the game scene; the title
  // shows its backdrop and menu there. The falling pair and the counters differ
  // with the timing of the real run, so most, not all, of the area matches.
  const Rect wellAndPanel{140, 0, 500, 480};
  const double playingShare = SameShare(playingColours, expected, wellAndPanel);
  const double titleShare = SameShare(titleColours, expected, wellAndPanel);
  EXPECT_GT(playingShare, 0.7) << "title " << titleShare;
  EXPECT_LT(titleShare, 0.2) << "playing " << playingShare;

  Tool({e2e::FindProgram("xdotool"), "key", "Escape"});
  EXPECT_EQ(kerzonk.Wait(10000), 0);
}

TEST_F(GameInXvfb, SettingsFileRebindsTheConfirmKey) {
  const fs::path game = e2e::CopyGameFolder(scratch_);
  const fs::path settings = game / ".config" / "kerzonk" / "kerzonk.ini";
  fs::create_directories(settings.parent_path());
  e2e::WriteFile(settings, "[player1]\nstep_back = Space\nstep_forward =\n");
  e2e::Child kerzonk = StartGame(game);
  Pause(2500);
  ASSERT_TRUE(kerzonk.Running()) << kerzonk.Errors();

  Press("z");
  Pause(1500);
  const double afterZ = SoloShare(Screenshot("after_z"), game);
  Press("space");
  Pause(4000);
  const double afterSpace = SoloShare(Screenshot("after_space"), game);
  EXPECT_LT(afterZ, 0.2) << "Z no longer confirms";
  EXPECT_GT(afterSpace, 0.7) << "Space confirms instead";

  Tool({e2e::FindProgram("xdotool"), "key", "Escape"});
  EXPECT_EQ(kerzonk.Wait(10000), 0);
  EXPECT_EQ(kerzonk.Errors().find("kerzonk.ini:"), std::string::npos) << kerzonk.Errors();
}

// The installed game, started from an unrelated folder as the desktop menu
// would: its window carries the class the desktop entry names and the icon,
// and a finished solo game saves in the player's folder, not in the prefix.
TEST_F(GameInXvfb, TheInstalledGameKeepsItsBestScoreInThePlayersFolder) {
  const fs::path prefix = scratch_.Path() / "prefix", userData = scratch_.Path() / "user-data";
  ASSERT_EQ(e2e::InstallGame(prefix, scratch_.Path() / "install"), 0) << e2e::ReadFile(scratch_.Path() / "install.err");
  auto game = StartGame(prefix / "games" / "kerzonk", scratch_.Path(), userData);
  Pause(2500);
  const fs::path found = scratch_.Path() / "search";
  e2e::Run({e2e::FindProgram("xdotool"), "search", "--class", "kerzonk"}, {{"DISPLAY", display_}}, scratch_.Path(), found);
  const std::string window = e2e::ReadFile(found.string() + ".out");
  ASSERT_FALSE(window.empty()) << "no window of class kerzonk";
  if (const std::string xprop = e2e::FindProgram("xprop"); !xprop.empty()) {
    const fs::path properties = scratch_.Path() / "xprop";
    e2e::Run({xprop, "-id", window.substr(0, window.find('\n')), "WM_CLASS", "_NET_WM_ICON"}, {{"DISPLAY", display_}},
             scratch_.Path(), properties);
    const std::string text = e2e::ReadFile(properties.string() + ".out");
    EXPECT_NE(text.find("WM_CLASS(STRING) = \"kerzonk\", \"kerzonk\""), std::string::npos) << text;
    EXPECT_NE(text.find("_NET_WM_ICON(CARDINAL) = \tIcon (64 x 64)"), std::string::npos) << text.substr(0, 200);
  }

  const fs::path scoreFile = userData / "kerzonk" / BestScoreFileName;
  PlaySoloGameHoldingDown(*game, scoreFile);
  const std::string saved = e2e::ReadFile(scoreFile);
  EXPECT_GE(saved.size(), 4u) << "no score was saved";
  EXPECT_FALSE(fs::exists(prefix / "share" / "games" / "kerzonk" / BestScoreFileName));
  EXPECT_FALSE(fs::exists(scratch_.Path() / BestScoreFileName));
}

TEST_F(GameInXvfb, APortableCopyKeepsItsBestScoreBesideItsData) {
  const fs::path game = e2e::CopyGameFolder(scratch_), userData = scratch_.Path() / "user-data";
  auto kerzonk = StartGame(game / "kerzonk", scratch_.Path(), userData, {"--window"});
  PlaySoloGameHoldingDown(*kerzonk, game / BestScoreFileName);
  EXPECT_GE(e2e::ReadFile(game / BestScoreFileName).size(), 4u) << "no score was saved";
  EXPECT_FALSE(fs::exists(userData));
}

}  // namespace

namespace {

// The recorded games in a folder, oldest first.
std::vector<fs::path> Recordings(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() == RecordingFileExtension && entry.path().filename() != BestGameFileName) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

uint32_t RecordedFrames(const fs::path& recording) {
  const std::string text = e2e::ReadFile(recording);
  const size_t at = text.find("\nframes ");
  return at == std::string::npos ? 0 : static_cast<uint32_t>(std::stoul(text.substr(at + 8)));
}

// The installed game records a solo game of moves and drops played to its
// end, and a versus game of both players on the keyboard, in the player's
// folder; the replay runner verifies both, and --watch plays one back.
TEST_F(GameInXvfb, PlayedGamesAreRecordedInThePlayersFolderAndVerify) {
  const fs::path prefix = scratch_.Path() / "prefix", userData = scratch_.Path() / "user-data";
  ASSERT_EQ(e2e::InstallGame(prefix, scratch_.Path() / "install"), 0) << e2e::ReadFile(scratch_.Path() / "install.err");
  const fs::path program = prefix / "games" / "kerzonk", data = prefix / "share" / "games" / "kerzonk";
  const fs::path replays = userData / "kerzonk" / ReplaysFolderName;
  auto game = StartGame(program, scratch_.Path(), userData);
  Pause(2500);
  ASSERT_TRUE(game->Running()) << game->Errors();
  const std::string xdotool = e2e::FindProgram("xdotool");
  Tool({xdotool, "mousemove", "320", "240", "keydown", "z", "sleep", "0.3", "keyup", "z"});
  // Each pair falls a while, goes left and back and is pushed down, until the middle column is full.
  for (int pair = 0; pair < 40 && Recordings(replays).empty(); ++pair) {
    Tool({xdotool, "sleep", "3", "keydown", "Left", "sleep", "0.15", "keyup", "Left", "sleep", "0.3", "keydown", "Right",
          "sleep", "0.15", "keyup", "Right", "keydown", "Down", "sleep", "1", "keyup", "Down"});
  }
  EXPECT_EQ(Recordings(replays).size(), 1u) << "the solo game ended by itself, before Escape";
  Tool({xdotool, "key", "Escape"});
  EXPECT_EQ(game->Wait(10000), 0) << game->Errors();
  // Started again, on its second menu item: both players push their pairs down, player 2 moving too.
  game = StartGame(program, scratch_.Path(), userData);
  Pause(2500);
  Tool({xdotool, "mousemove", "320", "240", "keydown", "Down", "sleep", "0.2", "keyup", "Down", "sleep", "0.3", "keydown",
        "z", "sleep", "0.3", "keyup", "z", "sleep", "4"});
  for (int pair = 0; pair < 40 && Recordings(replays).size() < 2; ++pair) {
    Tool({xdotool, "keydown", "a", "sleep", "0.15", "keyup", "a", "keydown", "Down", "keydown", "s", "sleep", "1", "keyup",
          "Down", "keyup", "s", "sleep", "0.3"});
  }
  EXPECT_EQ(Recordings(replays).size(), 2u) << "the versus game ended by itself, before Escape";
  Tool({xdotool, "key", "Escape"});
  EXPECT_EQ(game->Wait(10000), 0) << game->Errors();

  const std::vector<fs::path> games = Recordings(replays);
  ASSERT_EQ(games.size(), 2u);
  EXPECT_NE(games[0].filename().string().find("-solo"), std::string::npos);
  EXPECT_NE(games[1].filename().string().find("-versus"), std::string::npos);
  EXPECT_GE(RecordedFrames(games[0]), 20u * 61) << "at least 20 seconds of play";
  for (const fs::path& recording : games) {
    const fs::path out = scratch_.Path() / ("verify-" + recording.stem().string());
    EXPECT_EQ(e2e::Run({(prefix / "games" / "kerzonk-replay").string(), "--data", data.string(), "--input",
                        recording.string()},
                       {}, scratch_.Path(), out),
              0)
        << e2e::ReadFile(out.string() + ".err");
    EXPECT_EQ(e2e::ReadFile(out.string() + ".out"), "verified\n");
  }

  // Watched with Tab held it plays at four times its pace and ends by itself.
  const auto started = std::chrono::steady_clock::now();
  auto watch = StartGame(program, scratch_.Path(), userData, {"--watch", games[0].string()});
  Pause(1500);
  Tool({xdotool, "mousemove", "320", "240", "keydown", "Tab"});
  const int watched = watch->Wait(60000);
  Tool({xdotool, "keyup", "Tab"});
  EXPECT_EQ(watched, 0) << watch->Errors();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  EXPECT_LT(seconds, 0.6 * RecordedFrames(games[0]) / 61) << "not played faster";
  EXPECT_EQ(Recordings(replays).size(), 2u) << "a watched game is not recorded again";

  // Escape ends a watch at once; a recording that cannot be read is refused with 2.
  auto stopped = StartGame(program, scratch_.Path(), userData, {"--watch", games[1].string()});
  Pause(1500);
  Tool({xdotool, "mousemove", "320", "240", "key", "Escape"});
  EXPECT_EQ(stopped->Wait(5000), 0) << stopped->Errors();
  auto refused = StartGame(program, scratch_.Path(), userData, {"--watch", (scratch_.Path() / "none.kzr").string()});
  EXPECT_EQ(refused->Wait(5000), 2);
  EXPECT_NE(refused->Errors().find("cannot read"), std::string::npos) << refused->Errors();
}

}  // namespace
