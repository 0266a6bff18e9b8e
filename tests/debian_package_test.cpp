// The Debian package made by CPack: its control fields, its contents, the
// game run from the unpacked package, and lintian's verdict.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

class DebianPackage : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (KERZONK_SANITIZED || e2e::FindProgram("dpkg-deb").empty()) return;
    scratch_ = new e2e::ScratchFolder;
    e2e::Run({KERZONK_CPACK, "-G", "DEB", "--config", (e2e::BuildFolder() / "CPackConfig.cmake").string(), "-B",
              scratch_->Path().string()},
             {}, scratch_->Path(), scratch_->Path() / "cpack");
    for (const auto& entry : fs::directory_iterator(scratch_->Path())) {
      if (entry.path().extension() == ".deb") package_ = entry.path();
    }
  }
  static void TearDownTestSuite() { delete scratch_; }

  void SetUp() override {
    if (KERZONK_SANITIZED) GTEST_SKIP() << "the package is made from the normal build, not the sanitizer build";
    if (scratch_ == nullptr) GTEST_SKIP() << "dpkg-deb is not installed";
    ASSERT_FALSE(package_.empty()) << e2e::ReadFile(scratch_->Path() / "cpack.out")
                                   << e2e::ReadFile(scratch_->Path() / "cpack.err");
  }

  // A tool's standard output; the test fails when it exits with another code.
  static std::string Output(const std::vector<std::string>& argv, int expectedExit = 0) {
    const fs::path stem = scratch_->Path() / "tool";
    EXPECT_EQ(e2e::Run(argv, {}, scratch_->Path(), stem), expectedExit) << e2e::ReadFile(stem.string() + ".err");
    return e2e::ReadFile(stem.string() + ".out");
  }

  static inline e2e::ScratchFolder* scratch_ = nullptr;
  static inline fs::path package_;
};

TEST_F(DebianPackage, ControlFieldsNameTheSectionAndTheDependencies) {
  const std::string control = Output({e2e::FindProgram("dpkg-deb"), "--field", package_.string()});
  EXPECT_NE(control.find("Package: kerzonk\n"), std::string::npos) << control;
  EXPECT_NE(control.find(std::string("Version: ") + KERZONK_VERSION + "\n"), std::string::npos) << control;
  EXPECT_NE(control.find("Section: games\n"), std::string::npos) << control;
  for (const char* dependency : {"timgm6mb-soundfont | fluid-soundfont-gm", "libsdl2-2.0-0", "libsdl2-mixer-2.0-0",
                                 "libfluidsynth3", "libpng16-16", "libc6"}) {
    EXPECT_NE(control.find(dependency), std::string::npos) << dependency << " in\n" << control;
  }
}

TEST_F(DebianPackage, HoldsTheProgramsDataDesktopEntryIconsMetainfoAndManualPages) {
  const std::string contents = Output({e2e::FindProgram("dpkg-deb"), "--contents", package_.string()});
  std::vector<std::string> expected = {"./usr/games/kerzonk\n", "./usr/games/kerzonk-replay\n",
                                       "./usr/share/applications/kerzonk.desktop\n",
                                       "./usr/share/metainfo/org.kerzonk.Kerzonk.metainfo.xml\n",
                                       "./usr/share/man/man6/kerzonk.6.gz\n", "./usr/share/doc/kerzonk/copyright\n"};
  for (const char* name : PictureFileNames) expected.push_back("./usr/share/games/kerzonk/" + std::string(name) + "\n");
  for (const char* name : EffectFileNames) expected.push_back("./usr/share/games/kerzonk/" + std::string(name) + "\n");
  for (const char* name : MusicFileNames) expected.push_back("./usr/share/games/kerzonk/" + std::string(name) + "\n");
  for (const char* name : IconFileNames) expected.push_back("./usr/share/" + std::string(name) + "\n");
  for (const std::string& file : expected) EXPECT_NE(contents.find(file), std::string::npos) << file;
  EXPECT_EQ(contents.find("contact/"), std::string::npos);
  EXPECT_EQ(contents.find("/scor"), std::string::npos);
}

TEST_F(DebianPackage, TheUnpackedGameRunsAndEndsCleanly) {
  const fs::path root = scratch_->Path() / "root";
  Output({e2e::FindProgram("dpkg-deb"), "-x", package_.string(), root.string()});
  auto environment = e2e::HeadlessDrivers(scratch_->Path());
  environment["XDG_DATA_HOME"] = (scratch_->Path() / "user-data").string();
  e2e::Child game({(root / "usr/games/kerzonk").string()}, environment, scratch_->Path(), scratch_->Path() / "game");
  std::this_thread::sleep_for(std::chrono::milliseconds(2000));
  ASSERT_TRUE(game.Running()) << game.Errors();
  game.Signal(SIGTERM);
  EXPECT_EQ(game.Wait(10000), 0);
  EXPECT_EQ(e2e::WithoutDiskDriverBanner(game.Errors()), "");
}

TEST_F(DebianPackage, LintianFindsNoErrors) {
  const std::string lintian = e2e::FindProgram("lintian");
  if (lintian.empty()) GTEST_SKIP() << "lintian is not installed";
  // Exit code 0 with no error tags; warnings would show as W: lines.
  const std::string report = Output({lintian, "--fail-on", "error,warning", package_.string()});
  EXPECT_EQ(report.find("\nE: "), std::string::npos) << report;
  EXPECT_EQ(report.find("\nW: "), std::string::npos) << report;
}

}  // namespace
