#include <gtest/gtest.h>

#include "headless_game.h"
#include "input/input.h"
#include "input/key_bindings.h"
#include "key_codes.h"
#include "shell/pause.h"
#include "shell/scenes.h"

namespace {

using platform::JoystickResult;

class InputSampling : public HeadlessGame {
 protected:
  void Hold(const char* name, bool held = true) { headless.controls.keys[KeyNamed(name)] = held; }
  void Stick(uint32_t x, uint32_t y, uint32_t buttons = 0, bool start = false) {
    headless.controls.joystickResult = JoystickResult::Ok;
    headless.controls.joystick = platform::JoystickSample{x, y, buttons, start};
  }
  uint8_t DirectionsAt(uint32_t x, uint32_t y) {
    Stick(x, y);
    return TakeInputSample().joyDirections;
  }
};

TEST_F(InputSampling, EachArrowSetsItsOwnBit) {
  const std::pair<const char*, uint8_t> arrows[] = {
      {"Right", DirRight}, {"Left", DirLeft}, {"Down", DirDown}, {"Up", DirUp}};
  for (const auto& [key, bit] : arrows) {
    headless.controls.keys.reset();
    Hold(key);
    const InputSample sample = TakeInputSample();
    EXPECT_EQ(sample.keyDirections, bit);
    EXPECT_EQ(sample.keyButton, ButtonNone);
    EXPECT_EQ(sample.joyDirections, 0);
  }
}

TEST_F(InputSampling, ArrowsCombineAndXWinsOverZ) {
  Hold("Left");
  Hold("Right");
  Hold("Z");
  InputSample sample = TakeInputSample();
  EXPECT_EQ(sample.keyDirections, 3);
  EXPECT_EQ(sample.keyButton, ButtonZ);
  Hold("X");
  EXPECT_EQ(TakeInputSample().keyButton, ButtonX);
}

TEST_F(InputSampling, JoystickThresholdsAreLopsided) {
  EXPECT_EQ(DirectionsAt(1000, 1000), 0);
  EXPECT_EQ(DirectionsAt(50000, 50000), 0);
  EXPECT_EQ(DirectionsAt(32768, 32768), 0);
  EXPECT_EQ(DirectionsAt(999, 32768), DirLeft);
  EXPECT_EQ(DirectionsAt(50001, 32768), DirRight);
  EXPECT_EQ(DirectionsAt(32768, 999), DirUp);
  EXPECT_EQ(DirectionsAt(32768, 50001), DirDown);
  EXPECT_EQ(DirectionsAt(0, 65535), DirLeft | DirDown);
}

TEST_F(InputSampling, PadThatDoesNotAnswerReadsAsReleased) {
  Stick(50001, 999, 2, true);
  EXPECT_EQ(TakeInputSample().joyButtons, 2u);
  for (JoystickResult result : {JoystickResult::Unplugged, JoystickResult::Error}) {
    headless.controls.joystickResult = result;
    const InputSample sample = TakeInputSample();
    EXPECT_EQ(sample.joyDirections, 0);
    EXPECT_EQ(sample.joyButtons, 0u);
    EXPECT_FALSE(sample.pauseRequested);
  }
}

TEST_F(InputSampling, PlayerTwoKeysAndThePadMakeOneJoystick) {
  // Nothing held: exactly an absent joystick, but present for the game.
  EXPECT_EQ(TakeInputSample(), (InputSample{0, ButtonNone, 0, 0, 1, false}));
  Hold("A");
  Hold("Q");
  Stick(32768, 65535, 2);  // the pad pushes down and presses button 2 meanwhile
  const InputSample sample = TakeInputSample();
  EXPECT_EQ(sample.joyDirections, DirLeft | DirDown);
  EXPECT_EQ(sample.joyButtons, 3u);
  EXPECT_EQ(sample.keyDirections, 0) << "player 2's keys leave player 1 alone";

  keyBindings.players[1] = PlayerKeys{};
  headless.controls.joystickResult = JoystickResult::Unplugged;
  EXPECT_EQ(TakeInputSample().joystickPresent, 0) << "neither a pad nor keys";
}

TEST_F(InputSampling, PauseAndMuteActOncePerPress) {
  Hold("P");
  EXPECT_TRUE(TakeInputSample().pauseRequested);
  EXPECT_FALSE(TakeInputSample().pauseRequested) << "held on, it asks no more";
  Hold("P", false);
  Hold("Pause");
  EXPECT_FALSE(TakeInputSample().pauseRequested) << "still one key of the pause held";
  Hold("Pause", false);
  EXPECT_FALSE(TakeInputSample().pauseRequested);
  Stick(32768, 32768, 0, true);
  EXPECT_TRUE(TakeInputSample().pauseRequested) << "a pad's Start";

  Hold("M");
  MutePresses presses = TakeMutePresses();
  EXPECT_TRUE(presses.music);
  EXPECT_FALSE(presses.effects);
  Hold("N");
  presses = TakeMutePresses();
  EXPECT_FALSE(presses.music);
  EXPECT_TRUE(presses.effects);
}

TEST_F(InputSampling, ApplyingASampleSetsTheValuesAndPausesOnlyAGame) {
  ApplyInputSample(InputSample{DirUp, ButtonX, DirDown, 6, 1, true});
  EXPECT_EQ(keyDirections, DirUp);
  EXPECT_EQ(keyButton, ButtonX);
  EXPECT_EQ(joyDirections, DirDown);
  EXPECT_EQ(joyButtons, 6u);
  EXPECT_EQ(joystickPresent, 1);
  EXPECT_FALSE(gamePaused) << "the title has no pause";

  currentScene = SceneVersus;
  InputSample pause;
  pause.pauseRequested = true;
  ApplyInputSample(pause);
  EXPECT_TRUE(gamePaused);
  ApplyInputSample(pause);
  EXPECT_FALSE(gamePaused);
}

}  // namespace
