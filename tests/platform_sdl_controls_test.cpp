// The pad as the game sees it, on SDL's virtual joysticks: mapped pads through
// the game controller layout, unknown devices as raw joysticks, pads plugged
// in and pulled out while the game runs.
#include <gtest/gtest.h>

#include "input/input.h"
#include "platform/sdl/sdl_controls.h"
#include "rules/phases.h"
#include "rules_test_support.h"

namespace {

using platform::JoystickResult;
using platform::JoystickSample;

TEST(JoystickAxis, SdlRangeMapsOntoTheWholeUnsignedRange) {
  EXPECT_EQ(platform::AxisPosition(-32768), 0u);
  EXPECT_EQ(platform::AxisPosition(0), 32768u);
  EXPECT_EQ(platform::AxisPosition(32767), 65535u);
}

// Raw layout of the virtual pad: two stick axes, one hat, five buttons.
constexpr int PadAxes = 2, PadButtons = 5, PadHats = 1;
constexpr int RawSouth = 0, RawEast = 1, RawStart = 4;
constexpr const char* PadMapping =
    ",Virtual Test Pad,a:b0,b:b1,x:b2,y:b3,start:b4,leftx:a0,lefty:a1,"
    "dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8,";

class VirtualPad : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real joystick is plugged in";
  }

  void TearDown() override {
    Unplug();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }

  // A device SDL does not know, made a game controller by a mapping of its
  // own when mapped (as SDL's database maps the pads it knows).
  void PlugIn(bool mapped) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = PadAxes;
    desc.nbuttons = PadButtons;
    desc.nhats = PadHats;
    desc.vendor_id = 0x1234;  // a GUID from ids, as real pads have, for the mapping to find
    desc.product_id = mapped ? 0x5678 : 0x5679;
    desc.name = "Virtual Test Pad";
    device = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device, 0) << SDL_GetError();
    if (mapped) {
      char guid[33];
      SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(device), guid, sizeof guid);
      ASSERT_GE(SDL_GameControllerAddMapping((guid + std::string(PadMapping)).c_str()), 0) << SDL_GetError();
    }
    ASSERT_EQ(SDL_IsGameController(device) == SDL_TRUE, mapped);
    stick = SDL_JoystickOpen(device);  // the test's own handle, to move the pad
    ASSERT_NE(stick, nullptr);
  }

  void Unplug() {
    if (stick != nullptr) SDL_JoystickClose(stick);
    if (device >= 0) SDL_JoystickDetachVirtual(device);
    stick = nullptr;
    device = -1;
  }

  int device = -1;
  SDL_Joystick* stick = nullptr;
};

TEST_F(VirtualPad, MappedPadGivesItsLeftStickAndFaceButtons) {
  PlugIn(true);
  platform::SdlControls controls;
  SDL_JoystickSetVirtualAxis(stick, 0, -32768);
  SDL_JoystickSetVirtualAxis(stick, 1, 16000);
  SDL_JoystickSetVirtualButton(stick, RawSouth, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(stick, RawEast, SDL_PRESSED);
  JoystickSample sample;
  ASSERT_EQ(controls.QueryJoystick(sample), JoystickResult::Ok);
  EXPECT_EQ(sample.x, 0u);
  EXPECT_EQ(sample.y, 48768u);
  EXPECT_EQ(sample.buttons, 3u);
  EXPECT_FALSE(sample.start);
}

TEST_F(VirtualPad, UnknownDeviceIsReadAsARawJoystick) {
  PlugIn(false);
  platform::SdlControls controls;
  SDL_JoystickSetVirtualAxis(stick, 0, 32767);
  SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_UP);
  SDL_JoystickSetVirtualButton(stick, RawStart, SDL_PRESSED);
  JoystickSample sample;
  ASSERT_EQ(controls.QueryJoystick(sample), JoystickResult::Ok);
  EXPECT_EQ(sample.x, 65535u);
  EXPECT_EQ(sample.y, 0u);
  EXPECT_EQ(sample.buttons, 1u << RawStart) << "raw buttons, without a Start of their own";
  EXPECT_FALSE(sample.start);
}

// A versus game with player 2's pair in the air, the pads read through SDL.
class PadInVersus : public VirtualPad {
 protected:
  void SetUp() override {
    VirtualPad::SetUp();
    if (IsSkipped()) return;
    machine.Install();
    platform::Install(platform::Facilities{&machine.host, &machine.display, &controls, &machine.sound,
                                           &machine.music});
    ResetRulesState();
    currentScene = SceneVersus;
    playerPhase[1] = PhaseFalling;
    PlacePair(1, 5, 4, 0, 4);
  }

  // One frame of player 2: the sample, then its handler.
  void Frame() {
    ApplyInputSample(TakeInputSample());
    PhaseFallingHandler(1);
  }

  platform::Headless machine;
  platform::SdlControls controls;
};

TEST_F(PadInVersus, PadPluggedInMidGameDrivesPlayerTwoAndReadsAsReleasedWhenPulledOut) {
  Frame();
  EXPECT_EQ(pairTopCol[1], 4) << "no pad yet";

  PlugIn(true);
  SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_LEFT);
  Frame();  // sampled with the pad held left; the handler moves at once
  EXPECT_EQ(pairTopCol[1], 3);
  EXPECT_EQ(joyDirections, DirLeft);

  Unplug();  // pulled out while left is held
  Frame();
  EXPECT_EQ(joyDirections, 0);
  for (int frame = 0; frame < 20; ++frame) Frame();
  EXPECT_EQ(pairTopCol[1], 3) << "a pad pulled out holds nothing";

  PlugIn(true);
  SDL_JoystickSetVirtualButton(stick, RawStart, SDL_PRESSED);
  SDL_JoystickSetVirtualAxis(stick, 0, 32767);
  const InputSample sample = TakeInputSample();
  EXPECT_EQ(sample.joyDirections, DirRight) << "plugged back in, it is taken up again";
  EXPECT_TRUE(sample.pauseRequested);
}

TEST(NoPad, QueryReportsNoneConnected) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  const bool padPresent = SDL_NumJoysticks() > 0;
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  if (padPresent) GTEST_SKIP() << "a real joystick is plugged in";
  platform::SdlControls controls;
  JoystickSample sample;
  EXPECT_EQ(controls.QueryJoystick(sample), JoystickResult::Unplugged);
  EXPECT_EQ(controls.QueryJoystick(sample), JoystickResult::Unplugged);
}

}  // namespace
