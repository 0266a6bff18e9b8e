// The built game as a process on SDL's dummy drivers: it keeps running until
// told to stop, a termination request ends it normally, and a missing picture
// ends it with the load notice and a failure exit code.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "shell/file_names.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path GameBinary = KERZONK_GAME_BINARY;
const fs::path GameFolder = GameBinary.parent_path();

class GameProcess : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : PictureFileNames) {
      if (!fs::exists(GameFolder / name)) GTEST_SKIP() << "the game data has not been made";
    }
    folder = fs::temp_directory_path() / ("kerzonk_game_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "絵");
  }

  void TearDown() override {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    if (!folder.empty()) fs::remove_all(folder);
  }

  // Puts the game's own copy of a file into the test folder.
  void Provide(const char* name) { fs::create_symlink(GameFolder / name, folder / name); }
  void ProvideFolder(const char* name) { fs::create_directory_symlink(GameFolder / name, folder / name); }

  void Start() {
    // The first of two equal names counts: the settings file stays in the test's folder.
    std::vector<std::string> variables = {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                                          "XDG_CONFIG_HOME=" + (folder / ".config").string()};
    for (char** entry = environ; *entry != nullptr; ++entry) variables.emplace_back(*entry);
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    const std::string program = GameBinary.string();
    const std::string errors = (folder / "stderr.txt").string();
    char* arguments[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, arguments, environment.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
  }

  // The exit status once the game has ended, or -1 if it is still running after the wait.
  int WaitForExit(std::chrono::milliseconds limit) {
    for (auto waited = 0ms; waited <= limit; waited += 50ms) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(50ms);
    }
    return -1;
  }

  std::string Errors() {
    std::ifstream file(folder / "stderr.txt");
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  fs::path folder;
  pid_t pid = -1;
};

TEST_F(GameProcess, RunsUntilTerminatedAndThenExitsNormally) {
  for (const char* name : PictureFileNames) Provide(name);
  ProvideFolder("wave");
  ProvideFolder("midi");
  Start();
  ASSERT_EQ(WaitForExit(3000ms), -1) << "the game ended by itself:\n" << Errors();
  kill(pid, SIGTERM);
  EXPECT_EQ(WaitForExit(10000ms), 0) << Errors();
}

TEST_F(GameProcess, MissingSecondPictureEndsWithTheLoadNotice) {
  Provide(PictureFileNames[0]);
  Start();
  EXPECT_EQ(WaitForExit(20000ms), 1);
  EXPECT_NE(Errors().find("お知らせ: ビットマップのロードに失敗しました。"), std::string::npos) << Errors();
}

}  // namespace
