// Taking the game back to its start-up state without closing anything, as a
// network game does when it begins and when it ends.
#include <gtest/gtest.h>

#include "audio/music.h"
#include "audio/sound.h"
#include "audio/volume.h"
#include "headless_game.h"
#include "input/input.h"
#include "input/key_bindings.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "shell/pause.h"
#include "shell/scenes.h"
#include "tools/replay/state_json.h"

namespace {

class Restart : public HeadlessGame {};

TEST_F(Restart, GivesTheStartUpStateAndKeepsBindingsAndDevices) {
  const std::string startState = GameStateJson(0);
  soundAvailable = true;
  musicAvailable = true;
  KeyBindings mine = DefaultKeyBindings();
  mine.players[0].action[ActionLeft] = {4};
  keyBindings = mine;

  currentScene = SceneVersus;
  TogglePause();
  ASSERT_TRUE(gamePaused);
  well[1][3][3] = 8;
  playerPhase[0] = 2;
  fallInterval = 60;
  menuSelection = 2;
  bgScrollX = -40;
  keyDirections = DirLeft;
  joyButtons = 3;

  RestartGame();
  EXPECT_EQ(GameStateJson(0), startState);
  EXPECT_EQ(currentScene, SceneTitle);
  EXPECT_FALSE(gamePaused);
  EXPECT_FALSE(headless.sound.paused);
  EXPECT_EQ(bgScrollX, 0);
  EXPECT_EQ(keyDirections, 0);
  EXPECT_EQ(joyButtons, 0u);
  EXPECT_EQ(keyBindings.players[0].action[ActionLeft], KeyList{4});
  ASSERT_FALSE(headless.music.changes.empty());
  EXPECT_EQ(headless.music.changes.back().segment, MusicTitle);
  EXPECT_TRUE(headless.music.changes.back().immediate);
  soundAvailable = false;
  musicAvailable = false;
}

}  // namespace
