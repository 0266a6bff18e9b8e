#include "rules_test_support.h"

namespace {

class SpecialTest : public RulesTest {
 protected:
  // A solo pair resting where the resolve pass will find it.
  void LandPair(int topRow, int column, uint8_t code) {
    PlacePair(0, topRow, column, code, code);
    playerPhase[0] = PhaseResolve;
  }
};

TEST_F(SpecialTest, ClearingPastOneHundredEarnsOnePair) {
  clearedBlocks[0] = 105;  // from 45 within one turn
  PhaseResolveHandler(0);
  EXPECT_EQ(specialsEarned, 2);
  EXPECT_EQ(specialPending, 1);

  specialPending = 0;
  clearedBlocks[0] = 149;
  PhaseResolveHandler(0);
  EXPECT_EQ(specialPending, 0);
  clearedBlocks[0] = 150;
  PhaseResolveHandler(0);
  EXPECT_EQ(specialsEarned, 3);
  EXPECT_EQ(specialPending, 1);
}

TEST_F(SpecialTest, NothingEarnedInVersus) {
  currentScene = SceneVersus;
  clearedBlocks[0] = 60;
  PhaseResolveHandler(0);
  EXPECT_EQ(specialPending, 0);
  EXPECT_EQ(specialsEarned, 0);
}

TEST_F(SpecialTest, PairTurnedTo56OnCode20ConvertsGroupOneTo24) {
  DrawWellPicture(0, {
      "g..f..e",
      "a..f.c.",
      "bh.h.gf",
      "eae.bfa",
  });
  LandPair(9, 4, 56);
  PhaseResolveHandler(0);
  // Group 1 (16..28: e f g h) and the pair are now 24; other groups are untouched.
  EXPECT_EQ(well[0][11][1], 24);
  EXPECT_EQ(well[0][11][4], 24);
  EXPECT_EQ(well[0][11][7], 24);
  EXPECT_EQ(well[0][12][4], 24);
  EXPECT_EQ(well[0][14][1], 24);
  EXPECT_EQ(well[0][9][4], 24);
  EXPECT_EQ(well[0][10][4], 24);
  EXPECT_EQ(well[0][12][1], 0);
  EXPECT_EQ(well[0][12][6], 8);
  EXPECT_EQ(well[0][14][2], 0);
  EXPECT_EQ(well[0][14][5], 4);
  EXPECT_EQ(playerPhase[0], PhaseFlash);
  EXPECT_LT(clearMarks[0][9][4], NotMarked);
  EXPECT_LT(clearMarks[0][11][4], NotMarked);
}

TEST_F(SpecialTest, UnturnedPairOnCodeZeroConvertsGroupZeroToZero) {
  DrawWellPicture(0, {"...a...", "b.cad.e"});
  LandPair(11, 4, 48);
  PhaseResolveHandler(0);
  for (int column : {1, 3, 4, 5}) EXPECT_EQ(well[0][14][column], 0) << "column " << column;
  EXPECT_EQ(well[0][14][7], 16);
  EXPECT_EQ(well[0][11][4], 0);
}

TEST_F(SpecialTest, PairOnTheFloorConvertsNothing) {
  DrawWellPicture(0, {"a.b...."});
  LandPair(13, 4, 52);
  PhaseResolveHandler(0);
  EXPECT_EQ(well[0][13][4], 52);
  EXPECT_EQ(well[0][14][4], 52);
  EXPECT_EQ(well[0][14][1], 0);
  EXPECT_EQ(well[0][15][4], CellWall);
  EXPECT_EQ(playerPhase[0], PhaseSpawn);
}

TEST_F(SpecialTest, PairOnASpecialBlockConvertsNothing) {
  DrawWellPicture(0, {"...V...", "a.bS..."});
  LandPair(11, 4, 48);
  PhaseResolveHandler(0);
  EXPECT_EQ(well[0][11][4], 48);
  EXPECT_EQ(well[0][13][4], 60);
  EXPECT_EQ(well[0][14][1], 0);
}

TEST_F(SpecialTest, VersusPairStaysGroupThree) {
  currentScene = SceneVersus;
  DrawWellPicture(0, {"a.ba..."});
  LandPair(12, 4, 48);
  PhaseResolveHandler(0);
  EXPECT_EQ(well[0][12][4], 48);
  EXPECT_EQ(well[0][14][1], 0);
  EXPECT_EQ(well[0][14][3], 4);
}

TEST_F(SpecialTest, EarnedPairShowsAsNextOneTurnBeforeItEnters) {
  h.host.calendarStart = 1;
  playerPhase[0] = PhaseSpawn;
  PhaseSpawnHandler(0);  // pair 20/44 enters, 40/16 is next
  well[0][0][4] = CellEmpty;
  well[0][1][4] = CellEmpty;
  clearedBlocks[0] = 50;
  PhaseResolveHandler(0);  // the turn ends with 50 removed
  ASSERT_EQ(playerPhase[0], PhaseSpawn);

  PhaseSpawnHandler(0);
  EXPECT_EQ(well[0][0][4], 40);
  EXPECT_EQ(nextTop[0], CellSpecial);
  EXPECT_EQ(nextBottom[0], CellSpecial);

  well[0][0][4] = CellEmpty;
  well[0][1][4] = CellEmpty;
  PhaseSpawnHandler(0);
  EXPECT_EQ(well[0][0][4], CellSpecial);
  EXPECT_EQ(well[0][1][4], CellSpecial);
}

}  // namespace
