#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/odd_files.h"
#include "tests/scratch_folder.h"
#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

using Bytes = std::vector<uint8_t>;

// Every test runs in its own temporary folder.
class BestScoreFileTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
  fixture::ScratchFolder folder{"scor"};

  static void WriteFile(const Bytes& bytes) {
    std::ofstream out("scor", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static Bytes FileBytes() {
    std::ifstream in("scor", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  // Plays a solo game-over sequence to its end with the given final score.
  static void EndSoloGame(int finalScore) {
    currentScene = SceneSolo;
    playerPhase[0] = PhaseGameOver;
    score = finalScore;
    while (currentScene == SceneSolo) PhaseGameOverHandler(0);
  }
};

TEST_F(BestScoreFileTest, LineFeedByteIsStoredWithACarriageReturn) {
  WriteBestScore(10);
  EXPECT_EQ(FileBytes(), (Bytes{0x0D, 0x0A, 0x00, 0x00, 0x00}));
  ReadBestScore();
  EXPECT_EQ(bestScore, 10);
}

TEST_F(BestScoreFileTest, OtherBytesAreStoredAsTheyAre) {
  WriteBestScore(1050);
  EXPECT_EQ(FileBytes(), (Bytes{0x1A, 0x04, 0x00, 0x00}));
  ReadBestScore();
  EXPECT_EQ(bestScore, 1050);
  // Every byte a line feed: eight bytes in the file.
  EXPECT_EQ(EncodeBestScore(0x0A0A0A0A).size(), 8u);
  EXPECT_EQ(DecodeBestScore(EncodeBestScore(0x0A0A0A0A)), 0x0A0A0A0A);
  EXPECT_EQ(DecodeBestScore(EncodeBestScore(-1)), -1);
}

TEST_F(BestScoreFileTest, ShortFileReadsMinusOne) {
  WriteFile({0x10, 0x00, 0x00});
  ReadBestScore();
  EXPECT_EQ(bestScore, -1);
  WriteFile({0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A});  // three bytes after the translation
  bestScore = 5;
  ReadBestScore();
  EXPECT_EQ(bestScore, -1);
}

TEST_F(BestScoreFileTest, LoneCarriageReturnIsKept) {
  WriteFile({0x0D, 0x01, 0x00, 0x00});
  ReadBestScore();
  EXPECT_EQ(bestScore, 0x010D);
  WriteFile({0x0D, 0x0D, 0x0A, 0x00, 0x00});
  ReadBestScore();
  EXPECT_EQ(bestScore, 0x0A0D);
}

TEST_F(BestScoreFileTest, MissingOrUnreadableFileKeepsTheValue) {
  bestScore = 77;
  ReadBestScore();
  EXPECT_EQ(bestScore, 77);
  std::filesystem::create_directory("scor");
  ReadBestScore();
  EXPECT_EQ(bestScore, 77);
}

TEST_F(BestScoreFileTest, AnythingButARegularFileReadsAsMissingAndIsNotSavedOver) {
  bestScore = 77;
  // A FIFO would block the read for ever.
  ASSERT_TRUE(fixture::MakeFifo("scor"));
  ReadBestScore();
  EXPECT_EQ(bestScore, 77);
  WriteBestScore(500);
  EXPECT_EQ(std::filesystem::status("scor").type(), std::filesystem::file_type::fifo);
}

TEST_F(BestScoreFileTest, OnlyTheFirstBytesOfALongFileAreRead) {
  Bytes bytes = {0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A, 0x0D, 0x0A};
  bytes.resize(1 << 20, 0x55);
  WriteFile(bytes);
  ReadBestScore();
  EXPECT_EQ(bestScore, 0x0A0A0A0A);
}

TEST_F(BestScoreFileTest, OnlyAHigherScoreRewritesTheFile) {
  WriteFile({0x07, 0x00, 0x00, 0x00});
  bestScore = 500;  // as read when the game started
  EndSoloGame(500);
  EXPECT_EQ(FileBytes(), (Bytes{0x07, 0x00, 0x00, 0x00}));
  EndSoloGame(510);
  EXPECT_EQ(FileBytes(), (Bytes{0xFE, 0x01, 0x00, 0x00}));
  // The panel value changes only at the next read.
  EXPECT_EQ(bestScore, 500);
}

TEST_F(BestScoreFileTest, NoFileAndAGameEndingAtZeroWritesNothing) {
  EndSoloGame(0);
  EXPECT_FALSE(std::filesystem::exists("scor"));
  EndSoloGame(30);
  EXPECT_EQ(FileBytes(), (Bytes{0x1E, 0x00, 0x00, 0x00}));
}

TEST_F(BestScoreFileTest, FailedSaveLeavesThePreviousValueReadable) {
  WriteBestScore(1050);
  // A folder in the way of the temporary file makes the save fail.
  std::filesystem::create_directory(BestScoreTempFileName);
  WriteBestScore(2000);
  ReadBestScore();
  EXPECT_EQ(bestScore, 1050);
  std::filesystem::remove(BestScoreTempFileName);
  WriteBestScore(2000);
  ReadBestScore();
  EXPECT_EQ(bestScore, 2000);
}

TEST_F(BestScoreFileTest, SaveInterruptedBeforeTheRenameLeavesTheOldFile) {
  WriteBestScore(1050);
  // What a crash between writing and renaming leaves behind: a partial temporary file.
  std::ofstream(BestScoreTempFileName, std::ios::binary) << '\x01';
  ReadBestScore();
  EXPECT_EQ(bestScore, 1050);
  WriteBestScore(3000);
  ReadBestScore();
  EXPECT_EQ(bestScore, 3000);
  EXPECT_FALSE(std::filesystem::exists(BestScoreTempFileName));
}

TEST_F(BestScoreFileTest, ReadWhenASoloGameStartsButNotForVersus) {
  WriteBestScore(1050);
  menuSelection = 1;
  keyButton = 1;
  TitleScene();
  EXPECT_EQ(currentScene, SceneVersus);
  EXPECT_EQ(bestScore, 0);
  currentScene = SceneTitle;
  menuSelection = 0;
  TitleScene();
  EXPECT_EQ(currentScene, SceneSolo);
  EXPECT_EQ(bestScore, 1050);
}

}  // namespace
