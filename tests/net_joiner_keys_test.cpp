// The joiner's keys: all of them drive player 2, as the joystick.
#include <gtest/gtest.h>

#include "headless_game.h"
#include "input/input.h"
#include "key_codes.h"
#include "net/joiner_keys.h"

namespace {

class JoinerKeys : public HeadlessGame {
 protected:
  InputSample Holding(std::initializer_list<const char*> names) {
    headless.controls.keys.reset();
    for (const char* name : names) headless.controls.keys[KeyNamed(name)] = true;
    return TakeInputSample();
  }
};

TEST_F(JoinerKeys, BothClustersGivePlayerTwosJoystickValues) {
  keyBindings = net::JoinerKeyBindings(DefaultKeyBindings());
  const InputSample arrows = Holding({"Left", "Z"});
  EXPECT_EQ(arrows.keyDirections, 0);
  EXPECT_EQ(arrows.keyButton, ButtonNone);
  EXPECT_EQ(arrows.joyDirections, DirLeft);
  EXPECT_EQ(arrows.joyButtons, 1u);
  const InputSample cluster = Holding({"S", "E"});
  EXPECT_EQ(cluster.joyDirections, DirDown);
  EXPECT_EQ(cluster.joyButtons, 2u);
  // Each step key keeps its own button, as a pad's two buttons do.
  EXPECT_EQ(Holding({"Z", "X"}).joyButtons, 3u);
  EXPECT_TRUE(Holding({"P"}).pauseRequested);
  EXPECT_EQ(keyBindings.muteMusic, DefaultKeyBindings().muteMusic);
}

}  // namespace
