// The figures of the frame-loop benchmark: reading the probe's file and the
// spreads it reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include "bench/frame_loop/timing_stats.h"

namespace {

TEST(ProbeLog, ReadsEachKindOfLineAndSkipsTheRest) {
  const bench::ProbeLog log = bench::ReadProbeLog(
      "audio 512 512 44100\n"
      "present 1000\n"
      "mix 1500\n"
      "present 2000\n"
      "start 2100\n"
      "present\n"          // cut short: skipped
      "something 7\n"      // unknown: skipped
      "audio 1024 0 44100\n");
  EXPECT_EQ(log.presents, (std::vector<int64_t>{1000, 2000}));
  EXPECT_EQ(log.starts, (std::vector<int64_t>{2100}));
  EXPECT_EQ(log.mixes, (std::vector<int64_t>{1500}));
  ASSERT_EQ(log.openings.size(), 2u);
  EXPECT_EQ(log.openings[0].askedFrames, 512);
  EXPECT_EQ(log.openings[1].gotFrames, 0);
  EXPECT_EQ(log.openings[1].rate, 44100);
}

TEST(TimingStats, IntervalsCountOnlyPairsInsideTheWindow) {
  const std::vector<int64_t> moments = {0, 16'000'000, 32'000'000, 49'000'000, 65'000'000};
  EXPECT_EQ(bench::IntervalsMs(moments, 16'000'000, 65'000'000), (std::vector<double>{16.0, 17.0}));
  EXPECT_TRUE(bench::IntervalsMs(moments, 70'000'000, 90'000'000).empty());
}

TEST(TimingStats, SpreadUsesNearestRanks) {
  std::vector<double> values;
  for (int i = 100; i >= 1; --i) values.push_back(i);  // 1 .. 100, unsorted
  const bench::Spread spread = bench::SpreadOf(values);
  EXPECT_EQ(spread.count, 100u);
  EXPECT_EQ(spread.p50, 50);
  EXPECT_EQ(spread.p99, 99);
  EXPECT_EQ(spread.max, 100);
  EXPECT_EQ(bench::SpreadOf({7.0}).p99, 7.0);
  EXPECT_EQ(bench::SpreadOf({}).count, 0u);
}

TEST(TimingStats, DistancesFromTheFrameAndFromWholeMilliseconds) {
  const std::vector<double> intervals = {16.0, 15.0, 17.25, 16.75};
  EXPECT_EQ(bench::Deviations(intervals, 16.0), (std::vector<double>{0.0, 1.0, 1.25, 0.75}));
  EXPECT_EQ(bench::DistancesToWhole(intervals), (std::vector<double>{0.0, 0.0, 0.25, 0.25}));
  EXPECT_EQ(bench::CountAbove(intervals, 16.0), 2u);
}

TEST(TimingStats, MediansOfOddAndEvenCounts) {
  EXPECT_EQ(bench::Median({5.0, 1.0, 4.0}), 4.0);
  EXPECT_EQ(bench::Median({5.0, 1.0, 4.0, 2.0}), 3.0);
  EXPECT_EQ(bench::Median({}), 0.0);
}

// Idle and iowait are idle; guest time, already in user time, is not counted twice.
TEST(TimingStats, IdleShareFromTwoReadingsOfProcStat) {
  const bench::CpuTicks from = bench::ReadCpuTicks(
      "cpu  100 0 50 800 50 0 0 0 30 0\n"
      "cpu0 50 0 25 400 25 0 0 0 15 0\n");
  EXPECT_EQ(from.idle, 850u);
  EXPECT_EQ(from.total, 1000u);
  const bench::CpuTicks to = bench::ReadCpuTicks("intr 5\ncpu  130 0 60 1050 60 0 0 0 40 0\n");
  EXPECT_DOUBLE_EQ(bench::IdlePercent(from, to), 100.0 * 260 / 300);
  EXPECT_EQ(bench::IdlePercent(to, to), 0.0);
  EXPECT_EQ(bench::ReadCpuTicks("cpu0 1 2 3 4\n").total, 0u);
}

TEST(TimingStats, CpuTimeOfThisProcessIsReadable) {
  const bench::CpuTime time = bench::ProcessCpuTime(getpid());
  EXPECT_GE(time.allThreads, time.mainThread);
  EXPECT_GT(time.mainThread, 0);
  EXPECT_EQ(bench::ProcessCpuTime(-1).allThreads, -1);
}

}  // namespace
