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
