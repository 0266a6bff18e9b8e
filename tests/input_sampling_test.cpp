#include <gtest/gtest.h>

#include "headless_game.h"
#include "input/input.h"

namespace {

using platform::JoystickResult;
using platform::Key;

class InputSampling : public HeadlessGame {
 protected:
  void Hold(Key key) { headless.controls.keys[static_cast<int>(key)] = true; }
  void Stick(uint32_t x, uint32_t y, uint32_t buttons = 0) {
    headless.controls.joystickResult = JoystickResult::Ok;
    headless.controls.joystick = platform::JoystickSample{x, y, buttons};
  }
  uint8_t DirectionsAt(uint32_t x, uint32_t y) {
    Stick(x, y);
    ReadJoystick();
    return joyDirections;
  }
};

TEST_F(InputSampling, EachArrowSetsItsOwnBit) {
  const std::pair<Key, uint8_t> arrows[] = {
      {Key::Right, DirRight}, {Key::Left, DirLeft}, {Key::Down, DirDown}, {Key::Up, DirUp}};
  for (const auto& [key, bit] : arrows) {
    headless.controls = platform::HeadlessControls{};
    Hold(key);
    ReadKeyboard();
    EXPECT_EQ(keyDirections, bit);
    EXPECT_EQ(keyButton, ButtonNone);
  }
}

TEST_F(InputSampling, ArrowsCombineAndXWinsOverZ) {
  Hold(Key::Left);
  Hold(Key::Right);
  Hold(Key::Z);
  ReadKeyboard();
  EXPECT_EQ(keyDirections, 3);
  EXPECT_EQ(keyButton, ButtonZ);
  Hold(Key::X);
  ReadKeyboard();
  EXPECT_EQ(keyButton, ButtonX);
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

TEST_F(InputSampling, UnpluggedJoystickKeepsItsLastSample) {
  Stick(50001, 999, 2);
  ReadJoystick();
  headless.controls.joystickResult = JoystickResult::Unplugged;
  headless.controls.joystick = platform::JoystickSample{};
  ReadJoystick();
  EXPECT_EQ(joyDirections, DirRight | DirUp);
  EXPECT_EQ(joyButtons, 2u);
}

TEST_F(InputSampling, FailedQueryReadsAsTheStickAtRest) {
  Stick(0, 0, 1);
  ReadJoystick();
  headless.controls.joystickResult = JoystickResult::Error;
  ReadJoystick();
  EXPECT_EQ(joyDirections, 0);
  EXPECT_EQ(joyButtons, 0u);
}

TEST_F(InputSampling, JoystickIsPresentOnlyWhenItAnswersAtDetection) {
  DetectJoystick();
  EXPECT_EQ(joystickPresent, 0);
  headless.controls.joystickResult = JoystickResult::Unplugged;
  DetectJoystick();
  EXPECT_EQ(joystickPresent, 0);
  Stick(32768, 32768);
  DetectJoystick();
  EXPECT_EQ(joystickPresent, 1);
}

}  // namespace
