// A machine tick given to the logic clock (a network session's frame clock)
// has pauses hidden from it like the machine's own; a window in the
// background waits through the function given for it.
#include <gtest/gtest.h>

#include "headless_game.h"
#include "shell/app.h"
#include "shell/logic_clock.h"

namespace {

class FrameClock : public HeadlessGame {
 protected:
  void TearDown() override {
    SetLogicClockMachineTicks(nullptr);
    SetInactiveWait(nullptr);
    HeadlessGame::TearDown();
  }
};

TEST_F(FrameClock, AGivenTickHidesPausesAndLeavesTheCalendarAlone) {
  uint32_t frameTick = 0;
  headless.host.tick = 90000;
  SetLogicClockMachineTicks([&] { return frameTick; });
  frameTick = 160;
  EXPECT_EQ(LogicTicks(), 160u);
  StopLogicClock();
  frameTick = 960;
  EXPECT_EQ(LogicTicks(), 160u) << "still while paused";
  StartLogicClock();
  frameTick = 1000;
  EXPECT_EQ(LogicTicks(), 200u);
  EXPECT_EQ(LogicCalendarSeconds(), 90) << "the machine's";
  SetLogicClockMachineTicks(nullptr);
  EXPECT_EQ(LogicTicks(), 90000u - 800u) << "the machine's tick, the pause still hidden";
}

TEST_F(FrameClock, AnInactiveWindowWaitsThroughTheFunctionGiven) {
  int waits = 0, exitCode = 0;
  SetInactiveWait([&] { ++waits; });
  EXPECT_TRUE(RunLoopPass(exitCode));
  EXPECT_TRUE(RunLoopPass(exitCode));
  EXPECT_EQ(waits, 2);
}

}  // namespace
