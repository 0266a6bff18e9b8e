#include <gtest/gtest.h>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "key_codes.h"
#include "input/input.h"
#include "platform/music.h"
#include "screens/screens.h"
#include "shell/app.h"
#include "video/display.h"
#include "video/picture.h"

namespace {

using platform::Message;
using platform::MessageKind;

class FrameLoop : public HeadlessGame {
 protected:
  void Queue(MessageKind kind, int value = 0) { headless.host.Queue(Message{kind, value}); }
  bool Pass() { return RunLoopPass(exitCode); }
  int Flips() const { return headless.display.flips; }
  // Started with its pictures and without sound or music devices.
  void Start() {
    headless.sound.available = false;
    headless.music.failWith = platform::MusicOpenResult::NoSynthesizer;
    fixture::WritePictures();
    ASSERT_EQ(InitApplication(), 1);
    headless.host.notices.clear();
  }
  int exitCode = -1;
  fixture::ScratchFolder folder{"frame_loop"};
};

TEST_F(FrameLoop, NoFrameRunsBeforeActivation) {
  Start();
  EXPECT_TRUE(Pass());  // waits for a message; the headless host hands back a quit
  EXPECT_EQ(Flips(), 0);
  EXPECT_FALSE(Pass());
  EXPECT_EQ(exitCode, 0);
}

TEST_F(FrameLoop, MessageBurstDelaysFrames) {
  Start();
  Queue(MessageKind::Activate, 1);
  for (int i = 0; i < 3; ++i) Queue(MessageKind::Other);
  headless.host.tick = 500;
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(Pass());
    EXPECT_EQ(Flips(), 0);
  }
  EXPECT_EQ(headless.host.tick, 500u);
  EXPECT_TRUE(Pass());
  EXPECT_EQ(Flips(), 1);
  EXPECT_EQ(headless.host.tick, 516u);
}

TEST_F(FrameLoop, DeactivationStopsTheFrames) {
  Start();
  Queue(MessageKind::Activate, 1);
  Pass();
  Pass();
  Queue(MessageKind::Activate, 0);
  Pass();
  EXPECT_EQ(appActive, 0);
  EXPECT_EQ(surfacesLost, 0);
  Pass();
  EXPECT_EQ(Flips(), 1);
}

TEST_F(FrameLoop, EscapeEndsTheLoopWithZeroAndReleases) {
  Start();
  Queue(MessageKind::Activate, 1);
  Queue(MessageKind::EscapeKey);
  EXPECT_EQ(RunFrameLoop(), 0);
  EXPECT_FALSE(displayOpen);
  EXPECT_EQ(pictureSurfaces[2], nullptr);
}

TEST_F(FrameLoop, DestroyReleasesAtOnceThenQuits) {
  Start();
  Queue(MessageKind::Activate, 1);
  Queue(MessageKind::Destroy);
  Pass();
  EXPECT_TRUE(Pass());
  EXPECT_FALSE(displayOpen);
  EXPECT_EQ(pictureSurfaces[0], nullptr);
  EXPECT_FALSE(Pass());
  EXPECT_EQ(exitCode, 0);
}

TEST_F(FrameLoop, ReactivationReloadsOnlyLostPicturesOnce) {
  Start();
  Queue(MessageKind::Activate, 1);
  Pass();
  Pass();
  for (Surface* picture : pictureSurfaces) picture->pixels[0] = 99;
  pictureSurfaces[1]->lost = true;
  primarySurface->lost = true;
  Queue(MessageKind::Activate, 0);
  Queue(MessageKind::Activate, 1);
  Pass();
  Pass();
  EXPECT_EQ(surfacesLost, 1);
  Pass();
  EXPECT_EQ(surfacesLost, 0);
  EXPECT_FALSE(primarySurface->lost);
  EXPECT_FALSE(backBuffer->lost);
  EXPECT_FALSE(pictureSurfaces[1]->lost);
  EXPECT_EQ(pictureSurfaces[1]->pixels[0], fixture::Pattern(0, 0));
  EXPECT_EQ(pictureSurfaces[0]->pixels[0], 99);
  EXPECT_EQ(pictureSurfaces[2]->pixels[0], 99);

  pictureSurfaces[2]->lost = true;
  Pass();
  EXPECT_TRUE(pictureSurfaces[2]->lost) << "restoring happens once per reactivation";
  EXPECT_EQ(pictureSurfaces[2]->pixels[0], 99);
}

TEST_F(FrameLoop, TheSceneActsOnTheInputOfThePreviousFrame) {
  Start();
  headless.controls.keys[KeyNamed("Down")] = true;
  Queue(MessageKind::Activate, 1);
  Pass();
  Pass();
  EXPECT_EQ(menuSelection, 0) << "the first frame sees nothing held";
  Pass();
  EXPECT_EQ(menuSelection, 1);
}

TEST_F(FrameLoop, InputIsSampledAtTheEndOfEachFrame) {
  Start();
  headless.controls.keys[KeyNamed("Down")] = true;
  headless.controls.joystickResult = platform::JoystickResult::Ok;
  headless.controls.joystick = platform::JoystickSample{0, 32768, 1};
  Queue(MessageKind::Activate, 1);
  Pass();
  EXPECT_EQ(keyDirections, 0);
  Pass();
  EXPECT_EQ(keyDirections, DirDown);
  EXPECT_EQ(joyDirections, DirLeft);
  EXPECT_EQ(joyButtons, 1u);
}

}  // namespace
