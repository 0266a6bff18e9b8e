// The millisecond tick and its wait, against a simulated clock that notes
// every sleep, and once against the real monotonic clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/tick_wait.h"

namespace {

constexpr int64_t Millisecond = 1'000'000;
constexpr int64_t Wrap = int64_t{1} << 32;  // milliseconds until the tick reads 0 again

class SimulatedClock : public platform::NanosecondClock {
 public:
  explicit SimulatedClock(int64_t start) : now(start) {}
  int64_t Now() override { return now; }
  void SleepUntil(int64_t deadline) override {
    deadlines.push_back(deadline);
    if (deadline > now) now = deadline;
    now += wakeLatency;
  }

  int64_t now;
  int64_t wakeLatency = 0;
  std::vector<int64_t> deadlines;
};

TEST(MillisecondTick, CountsWholeMillisecondsFromItsOriginAndWraps) {
  SimulatedClock clock(0);
  const int64_t origin = 5'000'000'123;
  const platform::MillisecondTick tick(clock, origin);
  const struct {
    int64_t sinceOrigin;
    uint32_t reads;
  } cases[] = {
      {0, 0u},
      {Millisecond - 1, 0u},
      {Millisecond, 1u},
      {16 * Millisecond + 999'999, 16u},
      {(Wrap - 1) * Millisecond + 999'999, 0xFFFFFFFFu},
      {Wrap * Millisecond, 0u},
      {(Wrap + 5) * Millisecond + 1, 5u},
      {-1, 0xFFFFFFFFu},  // rounded down before the origin too
  };
  for (const auto& [sinceOrigin, reads] : cases) {
    clock.now = origin + sinceOrigin;
    EXPECT_EQ(tick.Now(), reads) << sinceOrigin << " ns after the origin";
  }
}

// Frames of random length from random points of a millisecond, some across
// the wrap: each wait is one sleep to the very nanosecond the tick reaches
// its target, and with a late wake-up it is still one sleep and never early.
TEST(MillisecondTick, AWaitSleepsOnceToTheMomentItsTargetIsReached) {
  std::mt19937 random(17);
  std::uniform_int_distribution<int64_t> work(0, 20 * Millisecond);
  for (const int64_t latency : {int64_t{0}, int64_t{70'000}, 3 * Millisecond}) {
    for (const int64_t startTick : {int64_t{1234}, Wrap - 40}) {
      SCOPED_TRACE(testing::Message() << "latency " << latency << ", start " << startTick);
      const int64_t origin = 777'000'000'000 + 12'345;
      SimulatedClock clock(origin + startTick * Millisecond + 654'321);
      clock.wakeLatency = latency;
      const platform::MillisecondTick tick(clock, origin);
      for (int frame = 0; frame < 500; ++frame) {
        const uint32_t target = tick.Now() + 16;
        clock.now += work(random);
        const bool due = static_cast<int32_t>(target - tick.Now()) > 0;
        clock.deadlines.clear();
        tick.WaitFor(target);
        EXPECT_GE(static_cast<int32_t>(tick.Now() - target), 0) << "frame " << frame << " ended early";
        if (!due) {
          EXPECT_TRUE(clock.deadlines.empty()) << "frame " << frame;
          continue;
        }
        ASSERT_EQ(clock.deadlines.size(), 1u) << "frame " << frame;
        // The deadline is a whole number of milliseconds after the origin, and the first that reads the target.
        const int64_t deadline = clock.deadlines[0];
        EXPECT_EQ((deadline - origin) % Millisecond, 0) << "frame " << frame;
        clock.now = deadline - 1;
        EXPECT_EQ(tick.Now(), target - 1) << "frame " << frame;
        clock.now = deadline + latency;
      }
    }
  }
}

TEST(MillisecondTick, AWaitAcrossTheWrapLastsItsMillisecondsNotDaysAndNotNone) {
  const int64_t origin = 1'000;
  SimulatedClock clock(origin + (Wrap - 3) * Millisecond + 400'000);
  const platform::MillisecondTick tick(clock, origin);
  ASSERT_EQ(tick.Now(), 0xFFFFFFFDu);
  tick.WaitFor(tick.Now() + 16);
  EXPECT_EQ(tick.Now(), 13u);
  EXPECT_EQ(clock.now - (origin + (Wrap - 3) * Millisecond + 400'000), 15 * Millisecond + 600'000);
}

TEST(MillisecondTick, AReachedTargetReturnsWithoutSleeping) {
  SimulatedClock clock(42 * Millisecond + 5);
  const platform::MillisecondTick tick(clock, 0);
  for (const uint32_t behind : {0u, 1u, 0x7FFFFFFFu}) tick.WaitFor(tick.Now() - behind);
  EXPECT_TRUE(clock.deadlines.empty());
}

// A sleep cut short (which the real clock never does) is slept again.
TEST(MillisecondTick, AWakeUpBeforeTheDeadlineSleepsAgain) {
  class EarlyClock : public SimulatedClock {
   public:
    using SimulatedClock::SimulatedClock;
    void SleepUntil(int64_t deadline) override {
      SimulatedClock::SleepUntil(deadline);
      if (deadlines.size() == 1) now = deadline - 300'000;
    }
  } clock(3 * Millisecond);
  const platform::MillisecondTick tick(clock, 0);
  tick.WaitFor(10);
  EXPECT_EQ(tick.Now(), 10u);
  EXPECT_EQ(clock.deadlines, (std::vector<int64_t>{10 * Millisecond, 10 * Millisecond}));
}

TEST(MonotonicClock, SleepsAndWaitsNeverEndEarly) {
  platform::MonotonicClock clock;
  for (const int64_t wait : {int64_t{-5000}, int64_t{0}, int64_t{50'000}, 2 * Millisecond}) {
    const int64_t deadline = clock.Now() + wait;
    clock.SleepUntil(deadline);
    EXPECT_GE(clock.Now(), deadline);
  }
  const platform::MillisecondTick tick(clock, clock.Now() - 123'456);
  const uint32_t target = tick.Now() + 3;
  tick.WaitFor(target);
  EXPECT_GE(static_cast<int32_t>(tick.Now() - target), 0);
}

}  // namespace
