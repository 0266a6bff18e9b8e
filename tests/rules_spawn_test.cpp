#include "rules_test_support.h"

namespace {

// With seed 1 the generator yields 41, 18467, 6334, 26500, 19169: block codes 20, 44, 40, 16.
constexpr uint32_t KnownSeed = 1;

TEST(BlockGenerator, KnownSeedGivesKnownSequence) {
  SeedBlockRandom(KnownSeed);
  EXPECT_EQ(NextBlockRandom(), 41u);
  EXPECT_EQ(NextBlockRandom(), 18467u);
  EXPECT_EQ(NextBlockRandom(), 6334u);
  EXPECT_EQ(NextBlockRandom(), 26500u);
  EXPECT_EQ(NextBlockRandom(), 19169u);
}

class SpawnTest : public RulesTest {
 protected:
  void ClearSpawnCells(uint8_t player) {
    well[player][spawnRow[player]][4] = CellEmpty;
    well[player][spawnRow[player] + 1][4] = CellEmpty;
  }
};

TEST_F(SpawnTest, FirstSpawnDrawsFourBlocksAfterOneSeeding) {
  h.host.calendarStart = KnownSeed;
  playerPhase[0] = PhaseSpawn;
  PhaseSpawnHandler(0);
  EXPECT_EQ(well[0][0][4], 20);
  EXPECT_EQ(well[0][1][4], 44);
  EXPECT_EQ(nextTop[0], 40);
  EXPECT_EQ(nextBottom[0], 16);
  EXPECT_EQ(nextPairReady[0], 1);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
  EXPECT_EQ(pairTopRow[0], 0);
  EXPECT_EQ(pairTopCol[0], 4);
  EXPECT_EQ(pairBottomRow[0], 1);
  EXPECT_EQ(pairBottomCol[0], 4);
}

TEST_F(SpawnTest, LaterSpawnTakesNextPairAndDrawsTwo) {
  h.host.calendarStart = KnownSeed;
  PhaseSpawnHandler(0);
  ClearSpawnCells(0);
  PhaseSpawnHandler(0);
  EXPECT_EQ(well[0][0][4], 40);
  EXPECT_EQ(well[0][1][4], 16);
  EXPECT_EQ(nextTop[0], 20);
  EXPECT_EQ(nextBottom[0], 44);
}

TEST_F(SpawnTest, SpawnsWithinOneSecondGiveTheSameNextPair) {
  currentScene = SceneVersus;
  h.host.calendarStart = 1000;
  h.host.tick = 200;
  PhaseSpawnHandler(0);
  h.host.tick = 900;
  PhaseSpawnHandler(1);
  EXPECT_EQ(nextTop[0], nextTop[1]);
  EXPECT_EQ(nextBottom[0], nextBottom[1]);
  EXPECT_EQ(well[0][0][4], well[1][0][4]);

  ClearSpawnCells(0);
  const uint8_t previousTop = nextTop[0];
  h.host.tick = 950;
  PhaseSpawnHandler(0);
  // The same seconds reseed the same sequence: the first two draws become the next pair.
  EXPECT_EQ(well[0][0][4], previousTop);
  EXPECT_EQ(nextTop[0], well[1][0][4]);
  EXPECT_EQ(nextBottom[0], well[1][1][4]);
}

TEST_F(SpawnTest, BlockBelowSpawnCellEndsTheGame) {
  well[0][1][4] = 8;
  nextTop[0] = 4;
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseGameOver);
  EXPECT_EQ(well[0][0][4], CellEmpty);
  EXPECT_EQ(well[0][1][4], 8);
  EXPECT_EQ(nextTop[0], 4);
}

TEST_F(SpawnTest, BlockInSpawnCellAloneIsOverwritten) {
  h.host.calendarStart = KnownSeed;
  well[0][0][4] = 8;
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
  EXPECT_EQ(well[0][0][4], 20);
}

TEST_F(SpawnTest, OtherFullColumnsDoNotEndTheGame) {
  for (int column : {1, 2, 3, 5, 6, 7}) {
    for (int row = 0; row < 15; ++row) well[0][row][column] = 0;
  }
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
}

TEST_F(SpawnTest, SpawnRowFourteenTestsTheFloorAndEndsTheGame) {
  spawnRow[0] = 14;
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseGameOver);
  EXPECT_EQ(well[0][14][4], CellEmpty);
  EXPECT_EQ(well[0][15][4], CellWall);
}

TEST_F(SpawnTest, SpawnRowPastTheWellEndsTheGameWithoutWriting) {
  spawnRow[0] = 15;
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseGameOver);
  EXPECT_EQ(well[0][15][4], CellWall);
  EXPECT_EQ(well[1][0][4], CellEmpty);
}

TEST_F(SpawnTest, PendingSpecialPairIsShownNextAndEntersOneSpawnLater) {
  h.host.calendarStart = KnownSeed;
  PhaseSpawnHandler(0);
  ClearSpawnCells(0);
  specialPending = 1;
  PhaseSpawnHandler(0);
  EXPECT_EQ(well[0][0][4], 40);
  EXPECT_EQ(nextTop[0], CellSpecial);
  EXPECT_EQ(nextBottom[0], CellSpecial);
  EXPECT_EQ(specialPending, 0);

  ClearSpawnCells(0);
  PhaseSpawnHandler(0);
  EXPECT_EQ(well[0][0][4], CellSpecial);
  EXPECT_EQ(well[0][1][4], CellSpecial);
  EXPECT_EQ(nextTop[0], 20);
}

}  // namespace
