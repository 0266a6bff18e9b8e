#include <cstring>

#include "rules_test_support.h"

namespace {

class FlashTest : public RulesTest {
 protected:
  // Marks a run of three in row 14 through a resolve pass; the phase becomes PhaseFlash.
  void MarkRunOfThree() {
    DrawWellPicture(0, {"a......", "kkk...."});
    playerPhase[0] = PhaseResolve;
    PhaseResolveHandler(0);
  }

  // The player's handler for its current phase, as a game scene calls it once per frame.
  void RunPhaseHandler(uint8_t player) {
    switch (playerPhase[player]) {
      case PhaseFlash: PhaseFlashHandler(player); break;
      case PhaseCollapse: PhaseCollapseHandler(player); break;
      case PhaseResolve: PhaseResolveHandler(player); break;
      default: break;
    }
  }
};

TEST_F(FlashTest, RunOfThreeFlashesEightyFramesThenCollapsesAndResolves) {
  MarkRunOfThree();
  ASSERT_EQ(playerPhase[0], PhaseFlash);
  int removedOn = 0, collapsedOn = 0, resolvedOn = 0;
  for (int frame = 1; frame <= 90 && resolvedOn == 0; ++frame) {
    const uint8_t before = playerPhase[0];
    RunPhaseHandler(0);
    if (before == PhaseFlash && playerPhase[0] == PhaseCollapse) removedOn = frame;
    if (before == PhaseCollapse) collapsedOn = frame;
    if (before == PhaseResolve) resolvedOn = frame;
  }
  EXPECT_EQ(removedOn, 80);
  EXPECT_EQ(collapsedOn, 81);
  EXPECT_EQ(resolvedOn, 82);
  EXPECT_EQ(well[0][14][1], 0);  // the block above fell into the cleared row
  EXPECT_EQ(clearedBlocks[0], 3);
  EXPECT_EQ(playerPhase[0], PhaseSpawn);
}

TEST_F(FlashTest, BlocksStayStillThirtyOneFramesWhileTheDelayGrows) {
  MarkRunOfThree();
  for (int call = 1; call <= 31; ++call) {
    PhaseFlashHandler(0);
    EXPECT_EQ(well[0][14][1], 40) << "call " << call;
    EXPECT_FLOAT_EQ(flashDelay[0], call * 0.5f);
  }
  PhaseFlashHandler(0);
  EXPECT_EQ(flashRunning[0], 1);
  EXPECT_EQ(flashDelay[0], 0.0f);
  EXPECT_EQ(well[0][14][1], CellFlash);
}

TEST_F(FlashTest, FlashCodesPerTick) {
  MarkRunOfThree();
  for (int call = 1; call <= 31; ++call) PhaseFlashHandler(0);
  const std::vector<int> expected = {
      64, 64, 65, 65, 65, 66, 66, 66, 67, 67, 67, 68, 68, 68, 69, 69, 69,  // ticks 1..17
      70, 70, 70, 71, 71, 71, 72, 72, 72, 73, 73, 73, 74, 74, 74, 75,      // ticks 18..33
      70, 70, 71, 71, 71, 72, 72, 72, 73, 73, 73, 74, 74, 74, 75};         // ticks 34..48
  std::vector<int> seen;
  for (int tick = 1; tick <= 48; ++tick) {
    PhaseFlashHandler(0);
    seen.push_back(well[0][14][3]);
    EXPECT_EQ(well[0][14][4], CellEmpty);
    EXPECT_EQ(well[0][13][1], 0);
  }
  EXPECT_EQ(seen, expected);
  // Tick 49 runs flashFrame on from 18 and removes the blocks in the same call.
  EXPECT_EQ(flashFrame[0], 33);
  PhaseFlashHandler(0);
  EXPECT_EQ(well[0][14][3], CellEmpty);
  EXPECT_EQ(playerPhase[0], PhaseCollapse);
}

TEST_F(FlashTest, FlashSoundPlaysOnceAndTheLatchClearsAtRemoval) {
  MarkRunOfThree();
  for (int call = 1; call <= 79; ++call) PhaseFlashHandler(0);
  EXPECT_EQ(CountEffects(h, SfxFlash), 1);
  EXPECT_EQ(effectLatch, 1);
  PhaseFlashHandler(0);
  EXPECT_EQ(effectLatch, 0);
  EXPECT_EQ(flashDelay[0], 0.0f);
  EXPECT_EQ(flashRunning[0], 0);
  EXPECT_EQ(flashTicks[0], 0);
  EXPECT_EQ(flashFrame[0], 0);
}

TEST_F(FlashTest, SecondPlayersFlashIsSilentUntilTheLatchClears) {
  currentScene = SceneVersus;
  MarkRunOfThree();
  PhaseFlashHandler(0);
  DrawWellPicture(1, {"kkk...."});
  PhaseResolveHandler(1);
  for (int call = 2; call <= 79; ++call) {
    PhaseFlashHandler(0);
    PhaseFlashHandler(1);
  }
  PhaseFlashHandler(0);
  EXPECT_EQ(playerPhase[0], PhaseCollapse);
  EXPECT_EQ(CountEffects(h, SfxFlash), 1);
  PhaseFlashHandler(1);
  EXPECT_EQ(CountEffects(h, SfxFlash), 2);
}

TEST_F(FlashTest, OverlappingMatchesRemoveEachBlockOnce) {
  DrawWellPicture(0, {"ccccc..", "dd....."});
  PhaseResolveHandler(0);
  for (int call = 1; call <= 80; ++call) PhaseFlashHandler(0);
  EXPECT_EQ(clearedBlocks[0], 5);
  EXPECT_EQ(turnClearCount[0], 0);
}

TEST_F(FlashTest, VersusCountsTheTurnsBlocks) {
  currentScene = SceneVersus;
  DrawWellPicture(0, {"c......", "c......", "c......", "c......"});
  PhaseResolveHandler(0);
  for (int call = 1; call <= 80; ++call) PhaseFlashHandler(0);
  EXPECT_EQ(clearedBlocks[0], 4);
  EXPECT_EQ(turnClearCount[0], 4);
}

TEST_F(FlashTest, WallsSurviveStaleMarks) {
  std::memset(clearMarks[0], 0, sizeof clearMarks[0]);  // the marks as they are at program start
  for (int call = 1; call <= 80; ++call) PhaseFlashHandler(0);
  EXPECT_EQ(well[0][15][3], CellWall);
  EXPECT_EQ(well[0][7][0], CellWall);
  EXPECT_EQ(well[0][7][8], CellWall);
}

}  // namespace
