// Runs the real game under SDL's dummy drivers (or none for sound, with
// --audio none) with the present probe loaded
// and reports what its frame loop costs: CPU per second of wall time and the
// spread of the intervals between frames, on the title, during the scene
// change into a solo game and in that game. The machine may be shared, so it
// can run several times, each once the machine has been quiet for a while,
// and report the medians. With --soak it instead runs the game for a long
// time on SDL's disk audio driver and reports how steadily the mixer filled
// its buffers.
#include <signal.h>

#include <CLI/CLI.hpp>
#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>

#include "bench/frame_loop/timing_stats.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

constexpr double FrameMs = 16.0;
constexpr double StartUpSeconds = 3.0;
// From the confirm key to play proper: both fades of the scene change, then the intro.
constexpr double SceneChangeSeconds = 1.2;
constexpr double IntroSeconds = 3.8;
constexpr double ConfirmHoldSeconds = 0.1;
constexpr double SoakConfirmEverySeconds = 20.0;
constexpr int EndTimeoutMs = 10000;
constexpr size_t MaxGapsListed = 10;
// A run waits for this long a spell as idle as asked, and at most so long.
constexpr int QuietSpellSeconds = 5;
constexpr int QuietWaitLimitSeconds = 900;

struct Window {
  const char* name;
  double from;  // seconds after the start
  double to;
  bool steadyFrames;  // false where fades present between the frames
};

struct Options {
  fs::path gameFolder = e2e::BuiltGameFolder();
  double titleSeconds = 10;
  double soloSeconds = 10;
  double soakSeconds = 0;
  int runs = 1;
  double quietPercent = 0;
  std::string audioDriver = "dummy";
};

int64_t At(int64_t start, double seconds) { return start + static_cast<int64_t>(seconds * 1e9); }

void SleepUntil(int64_t moment) {
  const int64_t wait = moment - bench::MonotonicNanoseconds();
  if (wait > 0) std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
}

// The game started in a scratch copy of its folder, with the probe loaded.
class GameRun {
 public:
  GameRun(const fs::path& gameFolder, const std::string& audioDriver, const std::string& pressZ) {
    const fs::path game = e2e::CopyGameFolder(scratch_, gameFolder);
    const std::map<std::string, std::string> environment = {
        {"SDL_VIDEODRIVER", "dummy"},
        {"SDL_AUDIODRIVER", audioDriver},
        {"SDL_DISKAUDIOFILE", "/dev/null"},
        {"LD_PRELOAD", KERZONK_PRESENT_PROBE},
        {"KERZONK_PROBE_OUT", (scratch_.Path() / "probe.txt").string()},
        {"KERZONK_PROBE_PRESS_Z", pressZ},
        {"XDG_CONFIG_HOME", (scratch_.Path() / "config").string()},
        {"XDG_DATA_HOME", (scratch_.Path() / "data").string()},
    };
    start_ = bench::MonotonicNanoseconds();
    child_ = std::make_unique<e2e::Child>(std::vector<std::string>{(game / "kerzonk").string()}, environment, game,
                                          scratch_.Path() / "game");
  }

  bool Started() const { return child_->Started(); }
  int64_t Start() const { return start_; }
  bench::CpuTime Cpu() const { return bench::ProcessCpuTime(child_->Pid()); }

  // Ends the game as the system would at shutdown; false if it did not end cleanly.
  bool End() {
    child_->Signal(SIGTERM);
    const int exitCode = child_->Wait(EndTimeoutMs);
    if (exitCode != 0) std::fprintf(stderr, "the game ended with %d:\n%s", exitCode, child_->Errors().c_str());
    return exitCode == 0;
  }

  bench::ProbeLog Log() const { return bench::ReadProbeLog(e2e::ReadFile(scratch_.Path() / "probe.txt")); }

 private:
  e2e::ScratchFolder scratch_;
  int64_t start_ = 0;
  std::unique_ptr<e2e::Child> child_;
};

void PrintAudioOpenings(const bench::ProbeLog& log) {
  for (const bench::AudioOpening& opening : log.openings) {
    std::printf("mixer opened: asked for %d-frame buffers at %d Hz, %s\n", opening.askedFrames, opening.rate,
                opening.gotFrames > 0 ? "granted" : "refused");
  }
}

double Percent(int64_t used, int64_t span) { return 100.0 * static_cast<double>(used) / static_cast<double>(span); }

// What one run shows of one phase; the intervals only where frames are steady.
struct PhaseFigures {
  double cpuAll = 0;
  double cpuMain = 0;
  double frames = 0;  // or presents
  double p50 = 0;
  double p99 = 0;
  double max = 0;
  double offFrameP99 = 0;
  double offWholeP99 = 0;
};
using RunFigures = std::vector<PhaseFigures>;  // one per window

constexpr double PhaseFigures::*AllFigures[] = {
    &PhaseFigures::cpuAll, &PhaseFigures::cpuMain, &PhaseFigures::frames,      &PhaseFigures::p50,
    &PhaseFigures::p99,    &PhaseFigures::max,     &PhaseFigures::offFrameP99, &PhaseFigures::offWholeP99};

std::string LoadAverage() {
  std::string text = e2e::ReadFile("/proc/loadavg");
  const size_t end = text.find(' ', text.find(' ', text.find(' ') + 1) + 1);
  return text.substr(0, end);
}

// Waits until the machine has spent a whole spell at least this idle, or gives up.
void WaitForQuiet(double percent) {
  const auto ticks = [] { return bench::ReadCpuTicks(e2e::ReadFile("/proc/stat")); };
  double idle = 0;
  for (int waited = 0; waited < QuietWaitLimitSeconds; waited += QuietSpellSeconds) {
    const bench::CpuTicks from = ticks();
    std::this_thread::sleep_for(std::chrono::seconds(QuietSpellSeconds));
    idle = bench::IdlePercent(from, ticks());
    if (idle >= percent) break;
  }
  std::printf("machine %.0f%% idle over the last %d s; load average %s\n", idle, QuietSpellSeconds,
              LoadAverage().c_str());
}

std::optional<RunFigures> MeasureRun(const Options& options, const std::vector<Window>& windows, double confirmAt) {
  char pressZ[64];
  std::snprintf(pressZ, sizeof pressZ, "%.3f:%.3f", confirmAt, ConfirmHoldSeconds);
  GameRun run(options.gameFolder, options.audioDriver, pressZ);
  if (!run.Started()) return std::nullopt;
  std::vector<std::array<bench::CpuTime, 2>> used(windows.size());
  for (size_t i = 0; i < windows.size(); ++i) {
    SleepUntil(At(run.Start(), windows[i].from));
    used[i][0] = run.Cpu();
    SleepUntil(At(run.Start(), windows[i].to));
    used[i][1] = run.Cpu();
  }
  if (!run.End()) return std::nullopt;
  const bench::ProbeLog log = run.Log();
  PrintAudioOpenings(log);
  RunFigures figures(windows.size());
  for (size_t i = 0; i < windows.size(); ++i) {
    const int64_t from = At(run.Start(), windows[i].from);
    const int64_t to = At(run.Start(), windows[i].to);
    PhaseFigures& phase = figures[i];
    phase.cpuAll = Percent(used[i][1].allThreads - used[i][0].allThreads, to - from);
    phase.cpuMain = Percent(used[i][1].mainThread - used[i][0].mainThread, to - from);
    if (!windows[i].steadyFrames) {
      phase.frames = static_cast<double>(bench::IntervalsMs(log.presents, from, to).size());
      continue;
    }
    const std::vector<double> intervals = bench::IntervalsMs(log.starts, from, to);
    const bench::Spread spread = bench::SpreadOf(intervals);
    phase.frames = static_cast<double>(intervals.size());
    phase.p50 = spread.p50;
    phase.p99 = spread.p99;
    phase.max = spread.max;
    phase.offFrameP99 = bench::SpreadOf(bench::Deviations(intervals, FrameMs)).p99;
    phase.offWholeP99 = bench::SpreadOf(bench::DistancesToWhole(intervals)).p99;
  }
  return figures;
}

void PrintTable(const std::vector<Window>& windows, const RunFigures& figures) {
  std::printf("| Phase | CPU, all threads | frame loop thread | Frames | Interval p50 | p99 | max "
              "| Off 16 ms, p99 | Off a whole ms, p99 |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|\n");
  for (size_t i = 0; i < windows.size(); ++i) {
    const PhaseFigures& phase = figures[i];
    std::printf("| %s | %.1f%% | %.1f%% |", windows[i].name, phase.cpuAll, phase.cpuMain);
    if (!windows[i].steadyFrames) {
      std::printf(" %.0f presents | | | | | |\n", phase.frames);
      continue;
    }
    std::printf(" %.0f | %.2f ms | %.2f ms | %.2f ms | %.2f ms | %.2f ms |\n", phase.frames, phase.p50, phase.p99,
                phase.max, phase.offFrameP99, phase.offWholeP99);
  }
}

int MeasureFrames(const Options& options) {
  const double confirmAt = StartUpSeconds + options.titleSeconds + 0.5;
  const double playFrom = confirmAt + SceneChangeSeconds + IntroSeconds;
  const std::vector<Window> windows = {
      {"title", StartUpSeconds, StartUpSeconds + options.titleSeconds, true},
      {"scene change, both fades", confirmAt, confirmAt + SceneChangeSeconds, false},
      {"solo game", playFrom, playFrom + options.soloSeconds, true},
  };
  std::vector<RunFigures> runs;
  for (int i = 0; i < options.runs; ++i) {
    if (options.runs > 1) std::printf("\nrun %d of %d\n", i + 1, options.runs);
    if (options.quietPercent > 0) WaitForQuiet(options.quietPercent);
    const std::optional<RunFigures> figures = MeasureRun(options, windows, confirmAt);
    if (!figures) return 1;
    PrintTable(windows, *figures);
    std::printf("load average after the run %s\n", LoadAverage().c_str());
    runs.push_back(*figures);
  }
  if (runs.size() < 2) return 0;
  RunFigures medians(windows.size());
  for (size_t phase = 0; phase < windows.size(); ++phase) {
    for (const auto figure : AllFigures) {
      std::vector<double> values;
      for (const RunFigures& run : runs) values.push_back(run[phase].*figure);
      medians[phase].*figure = bench::Median(values);
    }
  }
  std::printf("\nmedians of %zu runs\n", runs.size());
  PrintTable(windows, medians);
  return 0;
}

int Soak(const Options& options) {
  std::string pressZ;
  for (double at = StartUpSeconds; at < options.soakSeconds; at += SoakConfirmEverySeconds) {
    pressZ += (pressZ.empty() ? "" : ",") + std::to_string(at) + ":" + std::to_string(ConfirmHoldSeconds);
  }
  GameRun run(options.gameFolder, "disk", pressZ);
  if (!run.Started()) return 1;
  const int64_t cpuAtStart = run.Cpu().allThreads;
  SleepUntil(At(run.Start(), options.soakSeconds));
  const int64_t cpu = run.Cpu().allThreads - cpuAtStart;
  if (!run.End()) return 1;
  const bench::ProbeLog log = run.Log();
  PrintAudioOpenings(log);
  if (log.openings.empty() || log.mixes.size() < 2) {
    std::fprintf(stderr, "the mixer never ran\n");
    return 1;
  }
  const bench::AudioOpening& opening = log.openings.back();
  const double bufferMs = 1000.0 * opening.askedFrames / opening.rate;
  // A device holding two buffers runs dry when the next one comes later than that.
  const double gapMs = 2 * bufferMs;
  const std::vector<double> intervals = bench::IntervalsMs(log.mixes, log.mixes.front(), log.mixes.back() + 1);
  const bench::Spread spread = bench::SpreadOf(intervals);
  std::printf("buffers mixed: %zu (%.1f s of audio in %.1f s), game CPU %.1f%% of one core\n", log.mixes.size(),
              static_cast<double>(log.mixes.size()) * bufferMs / 1000.0,
              static_cast<double>(log.mixes.back() - log.mixes.front()) / 1e9,
              Percent(cpu, static_cast<int64_t>(options.soakSeconds * 1e9)));
  std::printf("interval between buffers: p50 %.2f ms, p99 %.2f ms, max %.2f ms (one buffer lasts %.2f ms)\n",
              spread.p50, spread.p99, spread.max, bufferMs);
  const size_t gaps = bench::CountAbove(intervals, gapMs);
  std::printf("gaps (a buffer more than %.2f ms after the one before): %zu\n", gapMs, gaps);
  for (size_t i = 0, shown = 0; i < intervals.size() && shown < MaxGapsListed; ++i) {
    if (intervals[i] <= gapMs) continue;
    std::printf("  %.2f ms gap ending %.1f s after the start\n", intervals[i], (log.mixes[i + 1] - run.Start()) / 1e9);
    ++shown;
  }
  return gaps == 0 ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Measures the real game's frame loop from outside, under SDL's dummy drivers."};
  Options options;
  app.add_option("--game", options.gameFolder, "the game folder to run (default: the one built here)")
      ->check(CLI::ExistingDirectory);
  app.add_option("--title", options.titleSeconds, "seconds measured on the title")->check(CLI::Range(1.0, 3600.0));
  app.add_option("--solo", options.soloSeconds, "seconds measured in a solo game")->check(CLI::Range(1.0, 30.0));
  app.add_option("--runs", options.runs, "runs of the game, reported each and as medians")
      ->check(CLI::Range(1, 20));
  app.add_option("--quiet", options.quietPercent,
                 "before each run, wait (15 minutes at most) until the CPUs were this many percent idle for 5 s")
      ->check(CLI::Range(1.0, 100.0));
  app.add_option("--audio", options.audioDriver,
                 "SDL's audio driver: dummy, a sound device that plays nothing (the default), or none, no sound "
                 "device at all (the game then runs without effects and music)");
  app.add_option("--soak", options.soakSeconds, "run this long on the disk audio driver instead")
      ->check(CLI::Range(5.0, 7200.0));
  CLI11_PARSE(app, argc, argv);
  return options.soakSeconds > 0 ? Soak(options) : MeasureFrames(options);
}
