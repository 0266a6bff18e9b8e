// The hooks through which other code supplies or watches what the rules
// read: the clock values and each frame's input sample; several frames in a
// pass; a best score kept out of its file.
#include <gtest/gtest.h>

#include <vector>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "input/sample_hooks.h"
#include "scratch_folder.h"
#include "screens/screens.h"
#include "shell/app.h"
#include "shell/file_names.h"
#include "shell/logic_clock.h"
#include "shell/scenes.h"
#include "tests/e2e_support.h"

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

TEST_F(Hooks, AClockSourceStandsInForTheMachineAndTheObserverSeesEveryValue) {
  headless.host.tick = 5000;
  std::vector<std::pair<LogicClockValue, int64_t>> seen;
  SetLogicClockObserver([&](LogicClockValue kind, int64_t value) { seen.emplace_back(kind, value); });
  EXPECT_EQ(LogicTicks(), 5000u);
  SetLogicClockSource({[] { return 77u; }, [] { return int64_t{-3}; }});
  EXPECT_EQ(LogicTicks(), 77u);
  EXPECT_EQ(LogicCalendarSeconds(), -3);
  SetLogicClockSource({});
  EXPECT_EQ(LogicCalendarSeconds(), 5);
  using V = LogicClockValue;
  EXPECT_EQ(seen, (std::vector<std::pair<V, int64_t>>{
                      {V::Ticks, 5000}, {V::Ticks, 77}, {V::CalendarSeconds, -3}, {V::CalendarSeconds, 5}}));
  SetLogicClockSource({[] { return 1u; }, nullptr});
  EXPECT_EQ(LogicCalendarSeconds(), 5) << "a source may supply one value only";
}

TEST_F(Hooks, TheObserverSeesTheSampleThatReplacedTheTakenOne) {
  InputSample taken, replaced, seen;
  taken.keyDirections = DirLeft;
  replaced.keyButton = ButtonX;
  EXPECT_EQ(PassInputSample(taken), taken);
  SetInputSampleObserver([&](const InputSample& sample) { seen = sample; });
  SetInputSampleReplacement([&](const InputSample& sample) {
    EXPECT_EQ(sample, taken);
    return replaced;
  });
  EXPECT_EQ(PassInputSample(taken), replaced);
  EXPECT_EQ(seen, replaced);
  SetInputSampleReplacement(nullptr);
  EXPECT_EQ(PassInputSample(taken), taken);
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

TEST_F(Hooks, APlayedBackGameNeitherReadsNorWritesTheBestScore) {
  fixture::ScratchFolder folder("hooks");
  e2e::WriteFile(BestScoreFileName, std::string("\x05\x00\x00\x00", 4));
  bestScoreFileInUse = false;
  bestScore = 42;
  ReadBestScore();
  WriteBestScore(900);
  EXPECT_EQ(bestScore, 42);
  EXPECT_EQ(e2e::ReadFile(BestScoreFileName), std::string("\x05\x00\x00\x00", 4));
}

}  // namespace
