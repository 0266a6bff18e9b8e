#include <gtest/gtest.h>

#include "platform/key_names.h"
#include "tools/replay/input_script.h"

namespace {

bool Holds(const HeldInput& held, const char* word) {
  platform::KeyCode key = 0;
  EXPECT_TRUE(ScriptKey(word, key)) << word;
  return held.keys[key];
}

InputScript Parsed(const std::string& text) {
  InputScript script;
  std::string error;
  EXPECT_TRUE(ParseInputScript(text, script, error)) << error;
  return script;
}

std::string ErrorOf(const std::string& text) {
  InputScript script;
  std::string error;
  EXPECT_FALSE(ParseInputScript(text, script, error));
  return error;
}

TEST(InputScript, KeysCommentsAndNothingHeld) {
  const InputScript script = Parsed(
      "# menu\n"
      "\n"
      "3 down   # move the cursor\n"
      "5 left z x\n"
      "9 -\n");
  ASSERT_EQ(script.changes.size(), 3u);
  EXPECT_FALSE(script.usesJoystick);
  EXPECT_EQ(script.changes[0].frame, 3u);
  EXPECT_TRUE(Holds(script.changes[0].held, "down"));
  const HeldInput& second = script.changes[1].held;
  EXPECT_TRUE(Holds(second, "left"));
  EXPECT_TRUE(Holds(second, "z"));
  EXPECT_TRUE(Holds(second, "x"));
  EXPECT_FALSE(Holds(second, "right"));
  EXPECT_EQ(script.changes[2].held, NothingHeld());
}

TEST(InputScript, WordsArePlayerOnesDefaultKeys) {
  const InputScript script = Parsed("1 left right up down z x pause\n");
  EXPECT_EQ(script.changes[0].held.keys.count(), 7u);
  platform::KeyCode key = 0;
  ASSERT_TRUE(ScriptKey("z", key));
  EXPECT_EQ(platform::KeyName(key), "Z");
  ASSERT_TRUE(ScriptKey("pause", key));
  EXPECT_EQ(platform::KeyName(key), "P");
  EXPECT_FALSE(ScriptKey("a", key));
}

TEST(InputScript, JoystickWordsReachTheAxisEndsAndButtons) {
  const InputScript script = Parsed("1 j:left j:down j:1 j:2\n2 j:right j:up\n");
  EXPECT_TRUE(script.usesJoystick);
  const platform::JoystickSample& first = script.changes[0].held.joystick;
  EXPECT_LT(first.x, 1000u);
  EXPECT_GT(first.y, 50000u);
  EXPECT_EQ(first.buttons, 3u);
  const platform::JoystickSample& second = script.changes[1].held.joystick;
  EXPECT_GT(second.x, 50000u);
  EXPECT_LT(second.y, 1000u);
  EXPECT_EQ(second.buttons, 0u);
  // At rest the stick sits inside the neutral band 1000..50000.
  EXPECT_GE(NothingHeld().joystick.x, 1000u);
  EXPECT_LE(NothingHeld().joystick.x, 50000u);
}

TEST(InputScript, FaultsNameTheirLine) {
  EXPECT_EQ(ErrorOf("1 z\n2 space\n"), "line 2: unknown key \"space\"");
  EXPECT_EQ(ErrorOf("0 z\n"), "line 1: \"0\" is not a frame number (1 or more)");
  EXPECT_EQ(ErrorOf("5 z\n5 x\n"), "line 2: frame 5 does not come after the previous line's frame");
  EXPECT_EQ(ErrorOf("7\n"), "line 1: give either keys or a single \"-\"");
  EXPECT_EQ(ErrorOf("7 - z\n"), "line 1: give either keys or a single \"-\"");
  EXPECT_EQ(ErrorOf("1 j:left j:right\n"), "line 1: the stick cannot point both ways on one axis");
  EXPECT_EQ(ErrorOf("1 j:3\n"), "line 1: unknown joystick input \"j:3\"");
  EXPECT_EQ(ErrorOf("x1 z\n"), "line 1: \"x1\" is not a frame number (1 or more)");
}

TEST(InputPlayer, LineAppliesFromItsFrameUntilTheNext) {
  const InputScript script = Parsed("3 down\n6 -\n");
  InputPlayer player(script);
  EXPECT_EQ(player.HeldAt(1), NothingHeld());
  EXPECT_EQ(player.HeldAt(2), NothingHeld());
  EXPECT_TRUE(Holds(player.HeldAt(3), "down"));
  EXPECT_TRUE(Holds(player.HeldAt(5), "down"));
  EXPECT_EQ(player.HeldAt(6), NothingHeld());
  EXPECT_EQ(player.HeldAt(100), NothingHeld());
}

}  // namespace
