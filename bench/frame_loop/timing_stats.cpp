#include "bench/frame_loop/timing_stats.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace bench {

ProbeLog ReadProbeLog(const std::string& text) {
  ProbeLog log;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    long long at = 0;
    if (kind == "present" && words >> at) {
      log.presents.push_back(at);
    } else if (kind == "start" && words >> at) {
      log.starts.push_back(at);
    } else if (kind == "mix" && words >> at) {
      log.mixes.push_back(at);
    } else if (kind == "audio") {
      AudioOpening opening;
      if (words >> opening.askedFrames >> opening.gotFrames >> opening.rate) log.openings.push_back(opening);
    }
  }
  return log;
}

std::vector<double> IntervalsMs(const std::vector<int64_t>& moments, int64_t from, int64_t to) {
  std::vector<double> intervals;
  for (size_t i = 1; i < moments.size(); ++i) {
    if (moments[i - 1] >= from && moments[i] < to) intervals.push_back((moments[i] - moments[i - 1]) / 1e6);
  }
  return intervals;
}

Spread SpreadOf(std::vector<double> values) {
  Spread spread;
  spread.count = values.size();
  if (values.empty()) return spread;
  std::sort(values.begin(), values.end());
  const auto rank = [&](double fraction) {
    const size_t at = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::clamp<size_t>(at, 1, values.size()) - 1];
  };
  spread.p50 = rank(0.50);
  spread.p99 = rank(0.99);
  spread.max = values.back();
  return spread;
}

std::vector<double> Deviations(const std::vector<double>& values, double nominal) {
  std::vector<double> deviations;
  for (double value : values) deviations.push_back(std::abs(value - nominal));
  return deviations;
}

std::vector<double> DistancesToWhole(const std::vector<double>& values) {
  std::vector<double> distances;
  for (double value : values) distances.push_back(std::abs(value - std::round(value)));
  return distances;
}

size_t CountAbove(const std::vector<double>& values, double limit) {
  return static_cast<size_t>(std::count_if(values.begin(), values.end(), [&](double v) { return v > limit; }));
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The first field of each thread's schedstat is its time on a CPU in nanoseconds.
CpuTime ProcessCpuTime(pid_t pid) {
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  CpuTime time;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream stat(task.path() / "schedstat");
    long long onCpu = 0;
    if (!(stat >> onCpu)) continue;
    time.allThreads = std::max<int64_t>(time.allThreads, 0) + onCpu;
    if (task.path().filename() == std::to_string(pid)) time.mainThread = onCpu;
  }
  return time;
}

int64_t MonotonicNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// "cpu  user nice system idle iowait irq softirq steal ...": guest time is
// already counted in user and nice, so the sum stops at steal.
CpuTicks ReadCpuTicks(const std::string& procStat) {
  std::istringstream lines(procStat);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string name;
    words >> name;
    if (name != "cpu") continue;
    uint64_t fields[8] = {};
    CpuTicks ticks;
    for (int i = 0; i < 8 && words >> fields[i]; ++i) ticks.total += fields[i];
    ticks.idle = fields[3] + fields[4];
    return ticks;
  }
  return CpuTicks{};
}

double IdlePercent(const CpuTicks& from, const CpuTicks& to) {
  if (to.total <= from.total) return 0;
  return 100.0 * static_cast<double>(to.idle - from.idle) / static_cast<double>(to.total - from.total);
}

}  // namespace bench
