// The replays folder keeps the last games and the best one apart; the
// writer thread writes in order and never lets writes pile up.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <vector>

#include "recording/background_writer.h"
#include "recording/replay_folder.h"
#include "scratch_folder.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> FileNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplayFolder, GameFilesAreNamedForTheirTimeInOrder) {
  const auto when = std::chrono::system_clock::time_point(std::chrono::milliseconds(1717774212345));
  EXPECT_EQ(GameFileName(GameMode::Solo, when), "20240607-153012-345-solo.kzr");
  EXPECT_EQ(GameFileName(GameMode::Versus, when + std::chrono::milliseconds(700)), "20240607-153013-045-versus.kzr");
  EXPECT_TRUE(IsGameFileName("20240607-153012-345-solo.kzr"));
  for (const char* other : {BestGameFileName, "20240607-153012-345-solo.kzr.tmp", "2024060-153012-345-trio.kzr"}) {
    EXPECT_FALSE(IsGameFileName(other)) << other;
  }
}

TEST(ReplayFolder, KeepsTheLastTwentyGamesAndTheBestApart) {
  fixture::ScratchFolder scratch("replay_folder");
  std::string error;
  for (int game = 1; game <= 25; ++game) {
    ASSERT_TRUE(KeepGame("replays", "game " + std::to_string(game) + "\n", GameMode::Solo, game == 3, error)) << error;
  }
  const std::vector<std::string> names = FileNames("replays");
  ASSERT_EQ(names.size(), KeptGames + 1);
  EXPECT_EQ(names.back(), BestGameFileName);
  EXPECT_EQ(e2e::ReadFile(fs::path("replays") / BestGameFileName), "game 3\n");
  EXPECT_EQ(e2e::ReadFile(fs::path("replays") / names[0]), "game 6\n") << "the oldest five are gone";
  EXPECT_EQ(e2e::ReadFile(fs::path("replays") / names[KeptGames - 1]), "game 25\n");
}

TEST(ReplayFolder, AGameThatCannotBeWrittenLeavesNothingBehind) {
  fixture::ScratchFolder scratch("replay_folder");
  e2e::WriteFile("replays", "a file where the folder should be");
  std::string error;
  EXPECT_FALSE(KeepGame("replays", "game\n", GameMode::Solo, false, error));
  EXPECT_EQ(error, "the game was not kept: cannot make replays");
  fs::create_directories("full/" + std::string(BestGameFileName) + ".tmp/in-the-way");
  EXPECT_FALSE(KeepGame("full", "game\n", GameMode::Solo, true, error));
  EXPECT_EQ(error.find("the game was kept, but not as the best one: cannot write full/best.kzr: Is a directory"), 0u) << error;
  EXPECT_EQ(FileNames("full").size(), 2u) << "the game itself and what stood in the way";
}

TEST(BackgroundWriter, WritesInOrderAndRefusesWhenTooManyWait) {
  std::vector<int> done;
  std::promise<void> started, release;
  {
    BackgroundWriter writer;
    ASSERT_TRUE(writer.Hand([&] {
      started.set_value();
      release.get_future().wait();
    }));
    started.get_future().wait();
    for (size_t i = 0; i < BackgroundWriter::MaxWaiting; ++i) {
      EXPECT_TRUE(writer.Hand([&done, i] { done.push_back(static_cast<int>(i)); }));
    }
    EXPECT_FALSE(writer.Hand([] {}));
    release.set_value();
  }
  ASSERT_EQ(done.size(), BackgroundWriter::MaxWaiting) << "all written before the writer went away";
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
}

}  // namespace
