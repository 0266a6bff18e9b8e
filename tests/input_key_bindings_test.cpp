// The key bindings drive the game through the same sampling the frame loop
// uses: rebound keys in the menu and for player 1, and player 2's cluster on
// the same keyboard in a versus game.
#include <gtest/gtest.h>

#include "input/input.h"
#include "input/key_bindings.h"
#include "key_codes.h"
#include "rules_test_support.h"
#include "screens_test_bed.h"

namespace {

class KeyBindingsInPlay : public testing::Test {
 protected:
  void SetUp() override { keyBindings = DefaultKeyBindings(); }
  void TearDown() override { keyBindings = DefaultKeyBindings(); }
  void Hold(const char* name, bool held = true) { bed.headless.controls.keys[KeyNamed(name)] = held; }
  void Sample() { ApplyInputSample(TakeInputSample()); }
  void StartVersus() {
    currentScene = SceneVersus;
    for (uint8_t player = 0; player < PlayerCount; ++player) {
      playerPhase[player] = PhaseFalling;
      PlacePair(player, 5, 4, 0, 4);
    }
  }

  testbed::ScreensTestBed bed;
};

TEST_F(KeyBindingsInPlay, ReboundKeysDriveTheMenuAndPlayerOne) {
  keyBindings.players[0].action[ActionDown] = {KeyNamed("K")};
  keyBindings.players[0].action[ActionLeft] = {KeyNamed("J")};
  Hold("Down");
  Sample();
  TitleMenu();
  EXPECT_EQ(menuSelection, 0) << "the old key no longer moves the cursor";
  Hold("Down", false);
  Hold("K");
  Sample();
  TitleMenu();
  EXPECT_EQ(menuSelection, 1);

  StartVersus();
  Hold("K", false);
  Hold("J");
  Sample();
  PhaseFallingHandler(0);
  PhaseFallingHandler(1);
  EXPECT_EQ(pairTopCol[0], 3);
  EXPECT_EQ(pairTopCol[1], 4);
}

TEST_F(KeyBindingsInPlay, PlayerTwoPlaysOnTheSameKeyboard) {
  StartVersus();
  Hold("D");  // right
  Hold("E");  // step forward
  Hold("Left");
  Sample();
  PhaseFallingHandler(0);
  PhaseFallingHandler(1);
  EXPECT_EQ(pairTopCol[0], 3);
  EXPECT_EQ(pairTopCol[1], 5);
  EXPECT_EQ(well[1][5][5], 4) << "player 2's kinds stepped forward";
  EXPECT_EQ(well[0][5][3], 0) << "player 1's did not";
}

}  // namespace
