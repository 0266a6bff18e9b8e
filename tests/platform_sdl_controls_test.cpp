// The joystick as the game sees it, on one of SDL's virtual joysticks.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_controls.h"

namespace {

using platform::JoystickResult;
using platform::JoystickSample;

TEST(JoystickAxis, SdlRangeMapsOntoTheWholeUnsignedRange) {
  EXPECT_EQ(platform::AxisPosition(-32768), 0u);
  EXPECT_EQ(platform::AxisPosition(0), 32768u);
  EXPECT_EQ(platform::AxisPosition(32767), 65535u);
}

class VirtualJoystick : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real joystick is plugged in";
    device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 1);
    ASSERT_GE(device, 0) << SDL_GetError();
    stick = SDL_JoystickOpen(device);
    ASSERT_NE(stick, nullptr);
  }

  void TearDown() override {
    if (stick != nullptr) SDL_JoystickClose(stick);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }

  int device = -1;
  SDL_Joystick* stick = nullptr;
};

TEST_F(VirtualJoystick, AxesButtonsAndHatMakeOneSample) {
  SDL_JoystickSetVirtualAxis(stick, 0, -32768);
  SDL_JoystickSetVirtualAxis(stick, 1, 16000);
  SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(stick, 11, SDL_PRESSED);
  SDL_JoystickUpdate();
  JoystickSample sample = platform::SampleJoystick(stick);
  EXPECT_EQ(sample.x, 0u);
  EXPECT_EQ(sample.y, 48768u);
  EXPECT_EQ(sample.buttons, 0x801u);

  // The d-pad wins over the stick and puts it at the ends of its axes.
  SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_RIGHTDOWN);
  SDL_JoystickUpdate();
  sample = platform::SampleJoystick(stick);
  EXPECT_EQ(sample.x, 65535u);
  EXPECT_EQ(sample.y, 65535u);
  SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_LEFTUP);
  SDL_JoystickUpdate();
  sample = platform::SampleJoystick(stick);
  EXPECT_EQ(sample.x, 0u);
  EXPECT_EQ(sample.y, 0u);
}

TEST_F(VirtualJoystick, PadPulledOutIsReportedUnplugged) {
  platform::SdlControls controls;
  JoystickSample sample;
  SDL_JoystickSetVirtualButton(stick, 1, SDL_PRESSED);
  ASSERT_EQ(controls.QueryJoystick(sample), JoystickResult::Ok);
  EXPECT_EQ(sample.buttons, 2u);

  SDL_JoystickClose(stick);
  stick = nullptr;
  ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0);
  EXPECT_EQ(controls.QueryJoystick(sample), JoystickResult::Unplugged);
}

TEST(NoJoystick, QueryFailsForTheWholeRun) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  const bool padPresent = SDL_NumJoysticks() > 0;
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  if (padPresent) GTEST_SKIP() << "a real joystick is plugged in";
  platform::SdlControls controls;
  JoystickSample sample;
  EXPECT_EQ(controls.QueryJoystick(sample), JoystickResult::Error);
  EXPECT_EQ(controls.QueryJoystick(sample), JoystickResult::Error);
}

}  // namespace
