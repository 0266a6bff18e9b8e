#include <cstring>

#include "rules_test_support.h"

namespace {

class VersusTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    currentScene = SceneVersus;
  }

  // Runs one player's handlers, frame by frame, until its turn is over.
  void PlayTurnToEnd(uint8_t player) {
    playerPhase[player] = PhaseResolve;
    for (int frame = 0; frame < 1000 && playerPhase[player] != PhaseSpawn; ++frame) {
      switch (playerPhase[player]) {
        case PhaseResolve: PhaseResolveHandler(player); break;
        case PhaseFlash: PhaseFlashHandler(player); break;
        case PhaseCollapse: PhaseCollapseHandler(player); break;
        default: break;
      }
    }
  }

  // A turn that removes nothing: a single resolve pass.
  void EndQuietTurn(uint8_t player) { PlayTurnToEnd(player); }

  bool FrameRowIsFloor(uint8_t player, int row) {
    for (int column = 1; column <= 7; ++column) {
      if (frameTiles[player][row][column] != TileFloor) return false;
    }
    return frameTiles[player][row][0] == TileSideWall && frameTiles[player][row][8] == TileSideWall;
  }
};

TEST_F(VersusTest, OneStepOfThreeGainsThree) {
  DrawWellPicture(0, {"jjj...."});
  PlayTurnToEnd(0);
  EXPECT_EQ(attackMeter[0], 3);
  EXPECT_EQ(turnClearCount[0], 0);
  EXPECT_EQ(score, 0);
}

TEST_F(VersusTest, ThreeClearingStepsCountTwiceAndRaiseTheOpponentOnce) {
  // Row 13 clears; the b column then stands three high; then the c drops into row 14.
  DrawWellPicture(0, {
      "c......",
      "b......",
      "b......",
      "aaa....",
      "bcc....",
  });
  PlayTurnToEnd(0);
  EXPECT_EQ(clearedBlocks[0], 9);
  EXPECT_EQ(attackMeter[0], 18);
  EXPECT_EQ(raisedRows[1], 0);

  EndQuietTurn(1);
  EXPECT_EQ(attackMeter[0], 3);
  EXPECT_EQ(raisedRows[1], 1);
  EXPECT_EQ(spawnRow[1], 1);
  EXPECT_EQ(viewTopRow[1], 2);
  EXPECT_TRUE(FrameRowIsFloor(1, 13));
  EXPECT_FALSE(FrameRowIsFloor(1, 12));
  EXPECT_EQ(CountEffects(h, SfxRaise), 1);
  EXPECT_EQ(raisedRows[0], 0);
}

TEST_F(VersusTest, MeterOfFortyRaisesOncePerOpponentTurn) {
  attackMeter[0] = 40;
  EndQuietTurn(1);
  EXPECT_EQ(attackMeter[0], 25);
  EndQuietTurn(1);
  EXPECT_EQ(attackMeter[0], 10);
  EndQuietTurn(1);
  EXPECT_EQ(attackMeter[0], 10);
  EXPECT_EQ(raisedRows[1], 2);
  EXPECT_TRUE(FrameRowIsFloor(1, 13));
  EXPECT_TRUE(FrameRowIsFloor(1, 12));
  EXPECT_FALSE(FrameRowIsFloor(1, 11));
}

TEST_F(VersusTest, GainWrapsPast255) {
  attackMeter[0] = 250;
  turnClearCount[0] = 10;
  chainCount[0] = 1;
  EndQuietTurn(0);
  EXPECT_EQ(attackMeter[0], 4);
}

TEST_F(VersusTest, LongChainGainIsKeptToEightBits) {
  turnClearCount[0] = 100;
  chainCount[0] = 4;  // the pass that finds nothing makes it 5: gain 100 x 3 = 300
  EndQuietTurn(0);
  EXPECT_EQ(attackMeter[0], 300 - 256);
}

TEST_F(VersusTest, RaisedPlayerSpawnsOneRowLower) {
  attackMeter[1] = 15;
  EndQuietTurn(0);
  PhaseSpawnHandler(0);
  EXPECT_EQ(pairTopRow[0], 1);
  EXPECT_EQ(pairBottomRow[0], 2);
  EXPECT_NE(well[0][1][4], CellEmpty);
  EXPECT_NE(well[0][2][4], CellEmpty);
  EXPECT_EQ(well[0][0][4], CellEmpty);
}

TEST_F(VersusTest, FourteenthRaiseEndsTheGameAtTheNextSpawn) {
  attackMeter[1] = 255;
  for (int raise = 1; raise <= 13; ++raise) EndQuietTurn(0);
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseFalling);
  well[0][13][4] = CellEmpty;
  well[0][14][4] = CellEmpty;

  EndQuietTurn(0);
  EXPECT_EQ(raisedRows[0], 14);
  EXPECT_EQ(spawnRow[0], 14);
  for (int row = 0; row <= 13; ++row) EXPECT_TRUE(FrameRowIsFloor(0, row)) << "row " << row;
  PhaseSpawnHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseGameOver);
}

TEST_F(VersusTest, NoRaisePastTheFourteenth) {
  raisedRows[0] = 14;
  spawnRow[0] = 14;
  viewTopRow[0] = 15;
  attackMeter[1] = 30;
  uint8_t framesBefore[PlayerCount][FrameRows][WellColumns];
  std::memcpy(framesBefore, frameTiles, sizeof frameTiles);
  const uint8_t wellsBefore = well[1][14][8];
  EndQuietTurn(0);
  EXPECT_EQ(std::memcmp(framesBefore, frameTiles, sizeof frameTiles), 0);
  EXPECT_EQ(raisedRows[0], 14);
  EXPECT_EQ(spawnRow[0], 14);
  EXPECT_EQ(attackMeter[1], 30);
  EXPECT_EQ(well[1][14][8], wellsBefore);
}

}  // namespace
