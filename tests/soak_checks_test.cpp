// The soak's own pieces: the state checks must catch what they are for, and
// the random player must repeat itself for a seed.
#include <gtest/gtest.h>

#include "rules/state.h"
#include "shell/reset.h"
#include "shell/scenes.h"
#include "tools/soak/game_invariants.h"
#include "tools/soak/random_player.h"

namespace {

class GameInvariants : public testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }
  bool Holds() { return CheckGameInvariants(fault); }
  std::string fault;
};

TEST_F(GameInvariants, HoldAtStartAndCatchBrokenWallsCodesAndScores) {
  ASSERT_TRUE(Holds()) << fault;
  well[1][3][8] = CellEmpty;
  EXPECT_FALSE(Holds());
  EXPECT_EQ(fault, "player 1 cell (3, 8) holds code 90");
  ResetGameState();
  well[0][5][2] = 66;  // a flash picture outside the flash
  EXPECT_FALSE(Holds());
  playerPhase[0] = PhaseFlash;
  EXPECT_TRUE(Holds()) << fault;
  score = 15;
  EXPECT_FALSE(Holds());
  EXPECT_EQ(fault, "score 15 is not a whole number of tens");
}

TEST_F(GameInvariants, CatchUnknownScenesPhasesAndABrokenFallingPair) {
  currentScene = SceneVersus + 1;
  EXPECT_FALSE(Holds());
  EXPECT_EQ(fault, "unknown scene " + std::to_string(SceneVersus + 1));
  ResetGameState();
  playerPhase[1] = PhaseGameOver + 1;
  EXPECT_FALSE(Holds());
  EXPECT_EQ(fault, "player 1 is in unknown phase " + std::to_string(PhaseGameOver + 1));
  // A pair falling in column 3, then one of its blocks gone.
  ResetGameState();
  currentScene = SceneSolo;
  playerPhase[0] = PhaseFalling;
  pairTopRow[0] = 4, pairTopCol[0] = 3, pairBottomRow[0] = 5, pairBottomCol[0] = 3;
  well[0][4][3] = 8, well[0][5][3] = 12;
  ASSERT_TRUE(Holds()) << fault;
  well[0][5][3] = CellEmpty;
  EXPECT_FALSE(Holds());
  EXPECT_EQ(fault, "player 0's falling pair is broken at (4, 3)");
}

// A failing soak is repeated from its seed.
TEST(RandomPlayer, SameSeedSameInput) {
  RandomPlayer first(7), second(7);
  int changes = 0;
  HeldInput last = NothingHeld();
  for (uint32_t frame = 1; frame <= 2000; ++frame) {
    const HeldInput held = first.HeldAt(frame);
    EXPECT_TRUE(held == second.HeldAt(frame));
    changes += !(held == last);
    last = held;
  }
  EXPECT_GT(changes, 100);
}

}  // namespace
