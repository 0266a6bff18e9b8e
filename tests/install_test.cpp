// The game installed with cmake --install into a scratch prefix: it finds its
// data from an unrelated current folder, keeps its best score in the player's
// folder, answers its command line, and its desktop entry, metainfo and
// manual pages pass their checkers.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int RunMs = 2000;
constexpr int EndMs = 10000;

class InstalledGame : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = new e2e::ScratchFolder;
    installed_ = e2e::InstallGame(Prefix(), scratch_->Path() / "install") == 0;
  }
  static void TearDownTestSuite() { delete scratch_; }
  void SetUp() override { ASSERT_TRUE(installed_) << e2e::ReadFile(scratch_->Path() / "install.err"); }

  static fs::path Prefix() { return scratch_->Path() / "prefix"; }
  static fs::path Game() { return Prefix() / "games" / "kerzonk"; }
  static fs::path Data() { return Prefix() / "share" / "games" / "kerzonk"; }

  // Runs the installed game from an empty folder with a scratch XDG_DATA_HOME.
  std::unique_ptr<e2e::Child> Start(const std::vector<std::string>& arguments) {
    fs::create_directories(elsewhere_);
    std::vector<std::string> argv = {Game().string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    auto environment = e2e::HeadlessDrivers(scratch_->Path());
    environment["XDG_DATA_HOME"] = userData_.string();
    return std::make_unique<e2e::Child>(argv, environment, elsewhere_, elsewhere_ / "game");
  }

  static inline e2e::ScratchFolder* scratch_ = nullptr;
  static inline bool installed_ = false;
  const fs::path elsewhere_ = scratch_->Path() / "elsewhere";
  const fs::path userData_ = scratch_->Path() / "user-data";
};

TEST_F(InstalledGame, EverythingLandsInItsPlaceBelowThePrefix) {
  const std::vector<fs::path> expected = {
      "games/kerzonk", "games/kerzonk-replay",
      "share/games/kerzonk/wave/a.wav", "share/games/kerzonk/midi/b.mid", "share/games/kerzonk/" + std::string(WindowIconFileName),
      "share/applications/kerzonk.desktop", "share/metainfo/org.kerzonk.Kerzonk.metainfo.xml",
      "share/man/man6/kerzonk.6.gz", "share/man/man6/kerzonk-replay.6.gz", "share/doc/kerzonk/copyright"};
  for (const fs::path& file : expected) EXPECT_TRUE(fs::is_regular_file(Prefix() / file)) << file;
  for (const char* picture : PictureFileNames) EXPECT_TRUE(fs::is_regular_file(Data() / fs::u8path(picture))) << picture;
  for (const char* icon : IconFileNames) EXPECT_TRUE(fs::is_regular_file(Prefix() / "share" / icon)) << icon;
  EXPECT_FALSE(fs::exists(Data() / "contact")) << "the review sheets are not part of the game";
  EXPECT_FALSE(fs::exists(Data() / BestScoreFileName));
}

TEST_F(InstalledGame, RunsFromAnUnrelatedFolderAndEndsCleanly) {
  const auto game = Start({});
  std::this_thread::sleep_for(std::chrono::milliseconds(RunMs));
  ASSERT_TRUE(game->Running()) << game->Errors();
  game->Signal(SIGTERM);
  EXPECT_EQ(game->Wait(EndMs), 0);
  EXPECT_EQ(e2e::WithoutDiskDriverBanner(game->Errors()), "");
  EXPECT_FALSE(fs::exists(userData_)) << "nothing is saved before a game ends";
}

TEST_F(InstalledGame, VersionHelpAndBadOptionsGiveTheirExitCodes) {
  auto game = Start({"--version"});
  EXPECT_EQ(game->Wait(EndMs), 0);
  EXPECT_EQ(game->Output(), std::string("kerzonk ") + KERZONK_VERSION + "\n");
  game = Start({"--help"});
  EXPECT_EQ(game->Wait(EndMs), 0);
  EXPECT_NE(game->Output().find("--window"), std::string::npos);
  for (const char* bad : {"--no-such-option", "--data"}) {
    game = Start({bad});
    EXPECT_EQ(game->Wait(EndMs), 2) << bad;
    EXPECT_NE(game->Errors().find("Usage: kerzonk"), std::string::npos) << bad;
  }
}

TEST_F(InstalledGame, WithoutItsDataItNamesTheFoldersSearchedAndExitsWithOne) {
  const fs::path copy = scratch_->Path() / "moved";
  fs::create_directories(copy / "games");
  fs::copy_file(Game(), copy / "games" / "kerzonk");
  fs::create_directories(elsewhere_);
  e2e::Child game({(copy / "games" / "kerzonk").string()}, e2e::HeadlessDrivers(scratch_->Path()), elsewhere_,
                  elsewhere_ / "moved");
  EXPECT_EQ(game.Wait(EndMs), 1);
  const std::string errors = game.Errors();
  EXPECT_NE(errors.find("ビットマップのロードに失敗しました。"), std::string::npos) << errors;
  EXPECT_NE(errors.find((copy / "share" / "games" / "kerzonk").string()), std::string::npos) << errors;
}

TEST_F(InstalledGame, TheDesktopEntryMetainfoAndManualPagesPassTheirCheckers) {
  const std::vector<std::vector<std::string>> checks = {
      {"desktop-file-validate", (Prefix() / "share/applications/kerzonk.desktop").string()},
      {"appstreamcli", "validate", "--no-net", (Prefix() / "share/metainfo/org.kerzonk.Kerzonk.metainfo.xml").string()},
      {"man", "--warnings", "-l", (Prefix() / "share/man/man6/kerzonk.6.gz").string()},
      {"man", "--warnings", "-l", (Prefix() / "share/man/man6/kerzonk-replay.6.gz").string()}};
  for (std::vector<std::string> check : checks) {
    const std::string tool = e2e::FindProgram(check[0]);
    if (tool.empty()) {
      std::cout << "skipped: " << check[0] << " is not installed\n";
      continue;
    }
    check[0] = tool;
    const fs::path stem = scratch_->Path() / "check";
    EXPECT_EQ(e2e::Run(check, {{"MANWIDTH", "80"}, {"LC_ALL", "C.UTF-8"}}, scratch_->Path(), stem), 0) << check.back();
    const std::string errors = e2e::ReadFile(stem.string() + ".err");
    EXPECT_EQ(errors, "") << check.back();
    if (check[0].ends_with("/man")) {
      EXPECT_NE(e2e::ReadFile(stem.string() + ".out").find("SYNOPSIS"), std::string::npos);
    }
  }
  const std::string entry = e2e::ReadFile(Prefix() / "share/applications/kerzonk.desktop");
  EXPECT_NE(entry.find("Categories=Game;ArcadeGame;"), std::string::npos);
  EXPECT_NE(entry.find("StartupWMClass=kerzonk"), std::string::npos);
}

}  // namespace
