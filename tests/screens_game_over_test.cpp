#include <gtest/gtest.h>

#include <filesystem>

#include "tests/scratch_folder.h"
#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

// Runs in a temporary folder so "scor" of the tests never meets a real one.
class GameOverTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
  fixture::ScratchFolder folder{"game_over"};

  void SetUp() override { bed.headless.host.calendarStart = 1700000000; }

  void StartGameOver(uint8_t scene, uint8_t player) {
    currentScene = scene;
    playerPhase[player] = PhaseGameOver;
    for (int r = 0; r < 15; ++r) {
      for (int c = 1; c <= 7; ++c) well[player][r][c] = static_cast<uint8_t>(4 * ((r + c) % 12));
    }
  }
  // Calls the handler until the game ends; returns the number of calls.
  int RunToTheEnd(uint8_t player) {
    const uint8_t scene = currentScene;
    int calls = 0;
    while (currentScene == scene && calls < 500) {
      PhaseGameOverHandler(player);
      ++calls;
    }
    return calls;
  }
};

TEST_F(GameOverTest, TimelineToTheCall) {
  StartGameOver(SceneSolo, 0);
  bed.ClearBack();
  PhaseGameOverHandler(0);
  EXPECT_EQ(static_cast<int>(gameOverCaptionY), 469);
  EXPECT_EQ(bed.At(142, 469), GameOverCaptionIndex);
  EXPECT_EQ(bed.At(141, 469), ClearBackground);
  EXPECT_EQ(bed.EffectsPlayed(SfxGameOver), 1);
  int braking = 0, scatter = 0, highestCall = 0, lowestCall = 0;
  double highest = 1e9, lowest = -1e9;
  for (int call = 2; call <= 140; ++call) {
    PhaseGameOverHandler(0);
    if (gameOverCaptionBraking && braking == 0) braking = call;
    if (scatterActive && scatter == 0) scatter = call;
    if (call < 70 && gameOverCaptionY < highest) highest = gameOverCaptionY, highestCall = call;
    if (call > 70 && call < 120 && gameOverCaptionY > lowest) lowest = gameOverCaptionY, lowestCall = call;
  }
  EXPECT_EQ(braking, 11);
  EXPECT_EQ(scatter, 46);
  EXPECT_EQ(highestCall, 53);
  EXPECT_EQ(static_cast<int>(highest), 88);
  EXPECT_EQ(lowestCall, 94);
  EXPECT_EQ(static_cast<int>(lowest), 216);
  EXPECT_EQ(currentScene, SceneSolo);
  PhaseGameOverHandler(0);
  EXPECT_EQ(currentScene, SceneTitle);
  EXPECT_EQ(bed.EffectsPlayed(SfxGameOver), 1);
}

TEST_F(GameOverTest, SoloEndResetsTheGame) {
  StartGameOver(SceneSolo, 0);
  score = 120;
  clearedBlocks[0] = 33;
  fallInterval = 90;
  specialsEarned = 2;
  specialPending = 1;
  EXPECT_EQ(RunToTheEnd(0), 141);
  EXPECT_EQ(score, 0);
  EXPECT_EQ(clearedBlocks[0], 0);
  EXPECT_EQ(fallInterval, 150);
  EXPECT_EQ(specialsEarned, 0);
  EXPECT_EQ(specialPending, 0);
  EXPECT_EQ(effectLatch, 0);
  EXPECT_EQ(gameOverCaptionY, 480.0);
  EXPECT_EQ(gameOverCaptionSpeed, 10.0);
  EXPECT_EQ(scatterActive, 0);
  EXPECT_EQ(scatterInitDone, 0);
  EXPECT_EQ(playerPhase[0], PhaseGameOver);
  for (int r = 0; r < 16; ++r) {
    for (int c = 0; c < 9; ++c) {
      ASSERT_EQ(cellOffsetX[0][r][c], 0);
      ASSERT_EQ(cellOffsetY[0][r][c], 0);
      const bool wall = c == 0 || c == 8 || r == 15;
      ASSERT_EQ(well[0][r][c], wall ? CellWall : CellEmpty) << r << "," << c;
    }
  }
  // The title was drawn twice during the return.
  EXPECT_EQ(logoFrames, 2);
}

TEST_F(GameOverTest, ScatterDrawsFromTheCalendarSecondsOnce) {
  StartGameOver(SceneSolo, 0);
  for (int call = 1; call <= 46; ++call) PhaseGameOverHandler(0);
  EXPECT_EQ(scatterInitDone, 1);
  bool anyDrift = false;
  for (int r = 0; r < 16; ++r) {
    for (int c = 0; c < 9; ++c) {
      ASSERT_GE(scatterDrift[r][c], -1);
      ASSERT_LE(scatterDrift[r][c], 1);
      // Drawn as 1..6, then 0.2 added in the same frame.
      ASSERT_GE(scatterFallSpeed[r][c], 1.2 - 1e-9);
      ASSERT_LE(scatterFallSpeed[r][c], 6.2 + 1e-9);
      ASSERT_EQ(cellOffsetX[0][r][c], scatterDrift[r][c]);
      ASSERT_EQ(cellOffsetY[0][r][c], static_cast<int>(scatterFallSpeed[r][c]));
      anyDrift = anyDrift || scatterDrift[r][c] != 0;
    }
  }
  EXPECT_TRUE(anyDrift);
  // Only player 0 scatters; the other well keeps still.
  EXPECT_EQ(cellOffsetY[1][0][1], 0);
  const double speedBefore = scatterFallSpeed[3][3];
  PhaseGameOverHandler(0);
  EXPECT_DOUBLE_EQ(scatterFallSpeed[3][3], speedBefore + 0.2);
}

TEST_F(GameOverTest, ScatterDependsOnlyOnTheSecondOfItsFirstFrame) {
  auto scatterAt = [this](int64_t seconds, uint32_t millisecondsIn) {
    ResetScreensState();
    StartGameOver(SceneSolo, 0);
    bed.headless.host.calendarStart = seconds;
    bed.headless.host.tick = millisecondsIn;
    for (int call = 1; call <= 46; ++call) PhaseGameOverHandler(0);
    return std::vector<int>(&scatterDrift[0][0], &scatterDrift[0][0] + 16 * 9);
  };
  const std::vector<int> first = scatterAt(1700000000, 0);
  EXPECT_EQ(scatterAt(1700000000, 999), first);
  EXPECT_NE(scatterAt(1700000001, 0), first);
}

TEST_F(GameOverTest, VersusEndResetsBothPlayers) {
  StartGameOver(SceneVersus, 1);
  for (int p = 0; p < 2; ++p) {
    attackMeter[p] = 40;
    viewTopRow[p] = 3;
    spawnRow[p] = 2;
    raisedRows[p] = 2;
    clearedBlocks[p] = 9;
    frameTiles[p][13][4] = TileFloor;
    well[p][5][5] = 8;
  }
  score = 500;
  bed.ClearBack();
  PhaseGameOverHandler(1);
  EXPECT_EQ(bed.At(280, 469), GameOverCaptionIndex);
  EXPECT_EQ(bed.At(279, 469), ClearBackground);
  EXPECT_EQ(RunToTheEnd(1), 140);
  EXPECT_EQ(currentScene, SceneTitle);
  EXPECT_EQ(score, 0);
  for (int p = 0; p < 2; ++p) {
    EXPECT_EQ(attackMeter[p], 0);
    EXPECT_EQ(viewTopRow[p], 1);
    EXPECT_EQ(spawnRow[p], 0);
    EXPECT_EQ(raisedRows[p], 0);
    EXPECT_EQ(clearedBlocks[p], 0);
    EXPECT_EQ(frameTiles[p][13][4], TileInside);
    EXPECT_EQ(frameTiles[p][14][4], TileFloor);
    EXPECT_EQ(frameTiles[p][5][0], TileSideWall);
    EXPECT_EQ(well[p][5][5], CellEmpty);
  }
  EXPECT_EQ(cellOffsetY[1][5][5], 0);
  // The best-score file is not used in versus.
  EXPECT_FALSE(std::filesystem::exists("scor"));
}

TEST_F(GameOverTest, SoloCaptionIsCentredAndVersusPlayer0AtTheLeftEdge) {
  StartGameOver(SceneVersus, 0);
  bed.ClearBack();
  PhaseGameOverHandler(0);
  EXPECT_EQ(bed.At(0, 469), GameOverCaptionIndex);
  EXPECT_EQ(bed.At(358, 469), GameOverCaptionIndex);
  EXPECT_EQ(bed.At(359, 469), ClearBackground);
}

}  // namespace
