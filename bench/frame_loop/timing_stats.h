// Figures the frame-loop benchmark reports: what the probe saw in the game,
// the spread of the intervals between moments, and CPU time used.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct AudioOpening {
  int askedFrames = 0;
  int gotFrames = 0;
  int rate = 0;
};

// The probe's file: moments on CLOCK_MONOTONIC, in nanoseconds.
struct ProbeLog {
  std::vector<int64_t> presents;
  std::vector<int64_t> starts;  // of the frame loop's passes that follow a present
  std::vector<int64_t> mixes;
  std::vector<AudioOpening> openings;
};

// Reads the probe's file; lines it does not know are skipped.
ProbeLog ReadProbeLog(const std::string& text);

// The gaps, in milliseconds, between successive moments that both lie in [from, to).
std::vector<double> IntervalsMs(const std::vector<int64_t>& moments, int64_t from, int64_t to);

struct Spread {
  size_t count = 0;
  double p50 = 0;
  double p99 = 0;
  double max = 0;
};

// Nearest-rank percentiles; all zero for no values.
Spread SpreadOf(std::vector<double> values);
// How far each value lies from nominal, in either direction.
std::vector<double> Deviations(const std::vector<double>& values, double nominal);
// How far each value lies from the nearest whole number.
std::vector<double> DistancesToWhole(const std::vector<double>& values);
size_t CountAbove(const std::vector<double>& values, double limit);
// The middle value, or the mean of the two middle ones; 0 for no values.
double Median(std::vector<double> values);

// CPU time a running process has used so far, in nanoseconds; -1 where unreadable.
struct CpuTime {
  int64_t allThreads = -1;
  int64_t mainThread = -1;  // the thread that runs the frame loop
};
CpuTime ProcessCpuTime(pid_t pid);
int64_t MonotonicNanoseconds();

// The time all CPUs together have spent, and spent idle (waiting on a disk
// counts as idle), in the units of /proc/stat.
struct CpuTicks {
  uint64_t idle = 0;
  uint64_t total = 0;
};
// From the text of /proc/stat (its "cpu" line); all zero where it has none.
CpuTicks ReadCpuTicks(const std::string& procStat);
// The idle share in percent between two readings; 0 if no time passed.
double IdlePercent(const CpuTicks& from, const CpuTicks& to);

}  // namespace bench
