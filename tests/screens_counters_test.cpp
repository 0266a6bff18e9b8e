#include <gtest/gtest.h>

#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

class CountersTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
  void SetUp() override {
    currentScene = SceneSolo;
    bed.ClearBack();
  }
  // The small digits at the given x positions on row y.
  std::vector<int> SmallDigitsAt(const std::vector<int>& xs, int y) {
    std::vector<int> digits;
    for (int x : xs) digits.push_back(bed.At(x, y) - SmallDigitIndex(0));
    return digits;
  }
  std::vector<int> LargeDigitsAt(int tensX, int unitsX, int y) {
    return {bed.At(tensX, y) - LargeDigitIndex(0), bed.At(unitsX, y) - LargeDigitIndex(0)};
  }
};

TEST_F(CountersTest, ClearedCountShowsFourDigitsWithLeadingZeros) {
  clearedBlocks[0] = 7;
  DrawClearedCount(0);
  EXPECT_EQ(SmallDigitsAt({434, 449, 464, 479}, 109), (std::vector<int>{0, 0, 0, 7}));
  EXPECT_EQ(bed.At(444, 109), ClearBackground);  // 10-pixel digits, 15 apart
  clearedBlocks[0] = 12345;
  DrawClearedCount(0);
  EXPECT_EQ(SmallDigitsAt({434, 449, 464, 479}, 109), (std::vector<int>{2, 3, 4, 5}));
}

TEST_F(CountersTest, VersusClearedCountsOfBothPlayers) {
  currentScene = SceneVersus;
  clearedBlocks[0] = 1234;
  clearedBlocks[1] = 56;
  DrawClearedCount(0);
  DrawClearedCount(1);
  EXPECT_EQ(SmallDigitsAt({292, 307, 322, 337}, 117), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(bed.At(292, 116), ClearBackground);
  EXPECT_EQ(SmallDigitsAt({292, 307, 322, 337}, 439), (std::vector<int>{0, 0, 5, 6}));
}

TEST_F(CountersTest, SpeedLevelFromTheFallInterval) {
  DrawSpeedLevel();
  EXPECT_EQ(LargeDigitsAt(430, 462, 167), (std::vector<int>{0, 0}));
  fallInterval = 60;
  DrawSpeedLevel();
  EXPECT_EQ(LargeDigitsAt(430, 462, 167), (std::vector<int>{0, 9}));
  fallInterval = 0;
  currentScene = SceneVersus;
  DrawSpeedLevel();
  EXPECT_EQ(LargeDigitsAt(288, 320, 206), (std::vector<int>{1, 5}));
}

TEST_F(CountersTest, BestChainUsesTheLargeDigits) {
  bestChain[0] = 9;
  DrawBestChain(0);
  EXPECT_EQ(LargeDigitsAt(430, 462, 250), (std::vector<int>{0, 9}));
  EXPECT_EQ(bed.At(493, 281), LargeDigitIndex(9));
}

TEST_F(CountersTest, ScoresShowSixDigitsEndingInZero) {
  const std::vector<int> xs = {432, 442, 452, 462, 472, 482};
  score = 1230;
  DrawScore();
  EXPECT_EQ(SmallDigitsAt(xs, 340), (std::vector<int>{0, 0, 1, 2, 3, 0}));
  score = 1234560;
  DrawScore();
  EXPECT_EQ(SmallDigitsAt(xs, 340), (std::vector<int>{2, 3, 4, 5, 6, 0}));
  bestScore = 999990;
  DrawBestScore();
  EXPECT_EQ(SmallDigitsAt(xs, 402), (std::vector<int>{9, 9, 9, 9, 9, 0}));
  // The units place always shows 0.
  score = 7;
  DrawScore();
  EXPECT_EQ(SmallDigitsAt(xs, 340), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

}  // namespace
