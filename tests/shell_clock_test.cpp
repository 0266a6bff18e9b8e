#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "shell/clock.h"

namespace {

// A host whose idle wait oversleeps by 10 ms, as a sleeping host may.
class OversleepingHost : public platform::HeadlessHost {
 public:
  void IdleUntil(uint32_t target) override {
    tick = target + 10;
    ++idles;
  }
  int idles = 0;
};

class GameClock : public ::testing::Test {
 protected:
  void SetUp() override { headless.Install(); }
  platform::Headless headless;
};

TEST_F(GameClock, FrameLastsSixteenMillisecondsFromTheStartOfItsPass) {
  headless.host.tick = 1000;
  StartFrameClock(FramesPerSecond);
  EXPECT_EQ(frameMs, 16);
  EXPECT_EQ(lastTick, 1000u);
  EXPECT_EQ(nextFrameTick, 1000u);

  headless.host.tick = 1005;  // the frame's own work took 5 ms
  WaitNextFrame();
  EXPECT_EQ(nextFrameTick, 1016u);
  EXPECT_EQ(lastTick, 1016u);
  EXPECT_EQ(headless.host.tick, 1016u);
}

TEST_F(GameClock, SlowFrameIsNotMadeUp) {
  headless.host.tick = 2000;
  StartFrameClock(FramesPerSecond);
  headless.host.tick = 2040;
  WaitNextFrame();
  EXPECT_EQ(lastTick, 2040u);
  StartFrameClock(FramesPerSecond);
  WaitNextFrame();
  EXPECT_EQ(headless.host.tick, 2056u);
}

TEST_F(GameClock, FrameAcrossTheTickWrapStillLastsSixteenMilliseconds) {
  headless.host.tick = 0xFFFFFFF8u;
  StartFrameClock(FramesPerSecond);
  WaitNextFrame();
  EXPECT_EQ(nextFrameTick, 8u);
  EXPECT_EQ(headless.host.tick, 8u);
}

TEST_F(GameClock, OversleepingPastTheWrapDoesNotHang) {
  OversleepingHost host;
  platform::Install(platform::Facilities{&host, &headless.display, &headless.controls, &headless.sound,
                                         &headless.music});
  host.tick = 0xFFFFFFEAu;  // the frame ends at 0xFFFFFFFA; the wait wakes at 4
  StartFrameClock(FramesPerSecond);
  WaitNextFrame();
  EXPECT_EQ(lastTick, 4u);
  EXPECT_EQ(host.idles, 1);
}

}  // namespace
