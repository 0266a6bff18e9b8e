// The tick wait against a simulated SDL clock: SDL counts its millisecond tick
// from whole seconds and nanoseconds subtracted apart, truncating the
// nanoseconds toward zero, so for part of every second the tick reads one
// ahead: once a second it steps by two, and once by none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "platform/sdl/precise_sleep.h"
#include "platform/tick_wait.h"

namespace {

constexpr int64_t Second = 1'000'000'000;
constexpr int64_t Millisecond = 1'000'000;

class SimulatedClocks : public platform::TickClocks {
 public:
  SimulatedClocks(int64_t counterAtStart, uint32_t tickOffset = 0)
      : now(counterAtStart), start(counterAtStart), offset(tickOffset) {}

  uint32_t Ticks() override {
    now += ReadCost;
    return TickAt(now);
  }
  int64_t Nanoseconds() override {
    now += ReadCost;
    return now;
  }
  void SleepUntil(int64_t deadline) override {
    ASSERT_GE(deadline, now - Millisecond) << "a sleep aimed well into the past";
    ++sleeps;
    now = std::max(now, deadline) + wakeLatency;
  }

  // The tick as SDL would read it at a given counter value.
  uint32_t TickAt(int64_t counter) const {
    const int64_t scaled = counter * stretch / Stretchless;
    const int64_t seconds = scaled / Second - start / Second;
    const int64_t nanoseconds = scaled % Second - start % Second;
    const int64_t tick = seconds * 1000 + nanoseconds / Millisecond;
    return static_cast<uint32_t>(tick - tick % granularity) + offset;
  }

  // The first counter value in (from, to] at which the tick reads at least target.
  int64_t FirstReaching(uint32_t target, int64_t from, int64_t to) const {
    while (to - from > 1) {
      const int64_t middle = from + (to - from) / 2;
      (static_cast<int32_t>(TickAt(middle) - target) >= 0 ? to : from) = middle;
    }
    return to;
  }

  static constexpr int64_t ReadCost = 40;
  static constexpr int64_t Stretchless = 1'000'000;
  int64_t now;
  int64_t start;
  uint32_t offset;
  int64_t wakeLatency = 60'000;
  int64_t stretch = Stretchless;  // parts per million the tick runs fast against the counter
  int64_t granularity = 1;        // milliseconds the tick moves by at once
  int sleeps = 0;
};

struct FrameRun {
  int64_t worstLateness = 0;
  int64_t latenessAfterFirst = 0;
  int sleepsAfterFirst = 0;
};

// The game's frames: work for a while, then wait for 16 ms after the frame's start.
FrameRun RunFrames(SimulatedClocks& clocks, int frames, uint32_t seed) {
  platform::TickWaiter waiter;
  std::mt19937 random(seed);
  std::uniform_int_distribution<int64_t> work(100'000, 4'000'000);
  FrameRun run;
  for (int frame = 0; frame < frames; ++frame) {
    const uint32_t target = clocks.Ticks() + 16;
    clocks.now += work(random);
    const int64_t waitStart = clocks.now;
    const int sleepsBefore = clocks.sleeps;
    waiter.WaitFor(target, clocks);
    const int64_t returned = clocks.now;
    EXPECT_GE(static_cast<int32_t>(clocks.TickAt(returned) - target), 0) << "frame " << frame << " ended early";
    const int64_t lateness = returned - clocks.FirstReaching(target, waitStart - 20 * Millisecond, returned);
    run.worstLateness = std::max(run.worstLateness, lateness);
    if (frame > 0) {
      run.latenessAfterFirst = std::max(run.latenessAfterFirst, lateness);
      run.sleepsAfterFirst += clocks.sleeps - sleepsBefore;
    }
  }
  return run;
}

TEST(TickWait, WakesJustAfterTheTickWithAFewSleepsAFrame) {
  // Starts at several points of SDL's second, so both of its reading
  // regimes come up, and once just before the tick wraps.
  const struct { int64_t start; uint32_t tickOffset; } starts[] = {
      {1234 * Second, 0}, {1234 * Second + 250'333'333, 0}, {1234 * Second + 999'900'000, 0},
      {77 * Second + 123'456'789, 0xFFFFFFFFu - 5000}};
  for (const auto& [start, tickOffset] : starts) {
    SCOPED_TRACE(start);
    SimulatedClocks clocks(start, tickOffset);
    const int frames = 4000;  // a little over a minute
    const FrameRun run = RunFrames(clocks, frames, 7);
    // The first wait watches the tick step once; every later one sleeps right up to it.
    EXPECT_LT(run.worstLateness, Millisecond);
    EXPECT_LE(run.latenessAfterFirst, clocks.wakeLatency + 40'000);
    EXPECT_LE(run.sleepsAfterFirst, 3 * (frames - 1));
  }
}

TEST(TickWait, ATickDriftingAgainstTheCounterIsStillNeverEarly) {
  SimulatedClocks clocks(5 * Second + 1);
  clocks.stretch = SimulatedClocks::Stretchless + 700;  // 0.07% fast: its step point wanders
  const int frames = 3000;
  const FrameRun run = RunFrames(clocks, frames, 3);
  EXPECT_LT(run.latenessAfterFirst, Millisecond);
  EXPECT_LE(run.sleepsAfterFirst, 4 * (frames - 1));
}

TEST(TickWait, ATickOfTenMillisecondStepsIsPolledAndNeverEarly) {
  SimulatedClocks clocks(2 * Second + 400'000);
  clocks.granularity = 10;
  const int frames = 500;
  const FrameRun run = RunFrames(clocks, frames, 9);
  EXPECT_LT(run.latenessAfterFirst, Millisecond);
  // No more than one look every poll interval; a frame here lasts up to 30 ms.
  EXPECT_LE(run.sleepsAfterFirst, 300 * (frames - 1));
}

TEST(TickWait, AReachedTargetReturnsWithoutSleeping) {
  SimulatedClocks clocks(3 * Second);
  platform::TickWaiter waiter;
  const uint32_t tick = clocks.Ticks();
  waiter.WaitFor(tick, clocks);
  waiter.WaitFor(tick - 1, clocks);
  waiter.WaitFor(tick - 0x7FFFFFFF, clocks);
  EXPECT_EQ(clocks.sleeps, 0);
}

TEST(CounterSleep, NeverReturnsBeforeItsDeadline) {
  for (const int64_t wait : {int64_t{0}, int64_t{50000}, 2 * Millisecond}) {
    const int64_t deadline = platform::CounterNanoseconds() + wait;
    platform::SleepUntilCounterNanoseconds(deadline);
    EXPECT_GE(platform::CounterNanoseconds(), deadline);
  }
}

}  // namespace
