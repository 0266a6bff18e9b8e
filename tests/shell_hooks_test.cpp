// The hooks through which other code supplies or watches what the rules
// read, and several frames run in one pass of the loop.
#include <gtest/gtest.h>

#include <vector>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "input/sample_hooks.h"
#include "scratch_folder.h"
#include "screens/screens.h"
#include "shell/app.h"
#include "shell/logic_clock.h"

namespace {

class Hooks : public HeadlessGame {
 protected:
  void TearDown() override {
    SetLogicClockSource({});
    SetLogicClockObserver(nullptr);
    SetInputSampleReplacement(nullptr);
    SetInputSampleObserver(nullptr);
    HeadlessGame::TearDown();
  }
};

TEST_F(Hooks, SuppliersStandInForTheMachineAndObserversSeeWhatTheGameGets) {
  headless.host.tick = 5000;
  std::vector<int64_t> seen;
  SetLogicClockObserver([&](LogicClockValue, int64_t value) { seen.push_back(value); });
  SetLogicClockSource({[] { return 77u; }, nullptr});
  EXPECT_EQ(LogicTicks(), 77u);
  EXPECT_EQ(LogicCalendarSeconds(), 5) << "the machine's, as no supplier gives it";
  EXPECT_EQ(seen, (std::vector<int64_t>{77, 5}));

  InputSample taken, replaced, observed;
  taken.keyDirections = DirLeft;
  replaced.keyButton = ButtonX;
  SetInputSampleObserver([&](const InputSample& sample) { observed = sample; });
  SetInputSampleReplacement([&](const InputSample&) { return replaced; });
  EXPECT_EQ(PassInputSample(taken), replaced);
  EXPECT_EQ(observed, replaced);
}

TEST_F(Hooks, APassOfSeveralFramesRunsEachFrameAndShowsTheLast) {
  fixture::ScratchFolder folder("hooks");
  fixture::WritePictures();
  headless.sound.available = false;
  headless.music.failWith = platform::MusicOpenResult::NoSynthesizer;
  ASSERT_EQ(InitApplication(), 1);
  int samples = 0, exitCode = 0;
  SetInputSampleObserver([&](const InputSample&) { ++samples; });
  headless.host.Queue(platform::Message{platform::MessageKind::Activate, 1});
  RunLoopPass(exitCode);
  framesPerPass = 3;
  RunLoopPass(exitCode);
  EXPECT_EQ(samples, 3);
  EXPECT_EQ(headless.display.flips, 1);
  EXPECT_EQ(logoFrames, 3) << "the title ran three times";
}

}  // namespace
