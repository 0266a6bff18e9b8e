// The best score in a per-user folder: made on the first save, private to
// its owner, read back from there; the current folder stays untouched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "screens/best_score.h"
#include "screens/best_score_folder.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"
#include "tests/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class BestScoreFolder : public testing::Test {
 protected:
  void TearDown() override {
    SetBestScoreFolder("");
    bestScore = 0;
  }
  fixture::ScratchFolder current_{"scor_folder"};
  e2e::ScratchFolder home_;
};

TEST_F(BestScoreFolder, TheFirstSaveMakesAPrivateFolderAndTheReadFindsItThere) {
  const fs::path folder = home_.Path() / "data" / "kerzonk";
  SetBestScoreFolder(folder.string());
  ReadBestScore();
  EXPECT_EQ(bestScore, 0);
  EXPECT_FALSE(fs::exists(folder)) << "made before any save";

  WriteBestScore(1050);
  struct stat status {};
  ASSERT_EQ(stat(folder.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  EXPECT_EQ(e2e::ReadFile(folder / BestScoreFileName), std::string("\x1A\x04\x00\x00", 4));
  EXPECT_FALSE(fs::exists(folder / BestScoreTempFileName));
  EXPECT_FALSE(fs::exists(current_.Path() / BestScoreFileName));

  WriteBestScore(10);
  ReadBestScore();
  EXPECT_EQ(bestScore, 10);
}

TEST_F(BestScoreFolder, AFolderThatCannotBeMadeSkipsTheSave) {
  e2e::WriteFile(home_.Path() / "data", "a file where the folder should go");
  SetBestScoreFolder((home_.Path() / "data" / "kerzonk").string());
  WriteBestScore(500);
  EXPECT_FALSE(fs::exists(current_.Path() / BestScoreFileName));
  EXPECT_EQ(e2e::ReadFile(home_.Path() / "data"), "a file where the folder should go");
}

}  // namespace
