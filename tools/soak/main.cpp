// kerzonk-soak: plays the game headless for any number of frames with a
// seeded random player and checks the game's state after every frame.
//   kerzonk-soak --frames N [--seed S] [--data DIR] [--time T] [--require-coverage]
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <string>

#include "shell/scenes.h"
#include "tools/replay/replay_runner.h"
#include "tools/soak/game_invariants.h"
#include "tools/soak/random_player.h"

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
constexpr int SceneCount = 4;
const char* const SceneNames[SceneCount] = {"title", "speed select", "solo", "versus"};

// Frames spent in each scene, and the games started and finished.
struct Coverage {
  uint64_t framesIn[SceneCount] = {};
  uint64_t gamesStarted[SceneCount] = {};
  uint64_t gamesEnded[SceneCount] = {};
  uint8_t lastScene = SceneTitle;

  void Count() {
    framesIn[currentScene]++;
    if (currentScene != lastScene) {
      gamesStarted[currentScene]++;
      gamesEnded[lastScene]++;
    }
    lastScene = currentScene;
  }
  uint64_t Played() const {
    uint64_t frames = 0;
    for (uint64_t inScene : framesIn) frames += inScene;
    return frames;
  }
  bool Complete() const {
    for (int scene = 0; scene < SceneCount; ++scene) {
      if (framesIn[scene] == 0) return false;
    }
    return gamesEnded[SceneSolo] > 0 && gamesEnded[SceneVersus] > 0;
  }
  void Print() const {
    for (int scene = 0; scene < SceneCount; ++scene) {
      std::printf("  %-12s %10llu frames, entered %llu times\n", SceneNames[scene],
                  static_cast<unsigned long long>(framesIn[scene]),
                  static_cast<unsigned long long>(gamesStarted[scene]));
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  ReplayOptions options;
  uint64_t seed = 1;
  bool requireCoverage = false;
  CLI::App app("Plays Kerzonk headless with a seeded random player, checking the game after every frame.",
               "kerzonk-soak");
  app.add_option("--frames", options.frames, "frames to play")->required()->check(CLI::Range(1u, MaxReplayFrames));
  app.add_option("--seed", seed, "seed of the random player");
  app.add_option("--data", options.dataDir, "the folder holding the game's files")->check(CLI::ExistingDirectory);
  app.add_option("--time", options.time, "calendar time at the start, in seconds")
      ->check(CLI::Range(int64_t{0}, int64_t{1} << 40));
  app.add_flag("--require-coverage", requireCoverage,
               "fail unless every scene was shown and a solo and a versus game were played to their end");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& fault) {
    return app.exit(fault) == 0 ? 0 : ExitUsage;
  }
  if (chdir(options.dataDir.c_str()) != 0) {
    std::fprintf(stderr, "kerzonk-soak: cannot enter %s\n", options.dataDir.c_str());
    return ExitUsage;
  }

  RandomPlayer player(seed);
  Coverage coverage;
  ReplayHooks hooks;
  hooks.checkFrame = [&coverage](uint32_t frame, std::string& error) {
    coverage.Count();
    if (CheckGameInvariants(error)) return true;
    error = "frame " + std::to_string(frame) + ": " + error;
    return false;
  };
  const auto start = std::chrono::steady_clock::now();
  std::string error;
  const int result = RunReplay(options, player, error, hooks);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  const uint64_t played = coverage.Played();
  std::printf("%llu frames with seed %llu in %.1f s (%.0f frames a second)\n", static_cast<unsigned long long>(played),
              static_cast<unsigned long long>(seed), seconds, played / seconds);
  coverage.Print();
  if (result != 0) {
    std::fprintf(stderr, "kerzonk-soak: %s (exit %d)\n", error.empty() ? "the run failed" : error.c_str(), result);
    return ExitFailed;
  }
  if (requireCoverage && !coverage.Complete()) {
    std::fprintf(stderr, "kerzonk-soak: the random player did not reach every scene and both games' ends\n");
    return ExitFailed;
  }
  return 0;
}
