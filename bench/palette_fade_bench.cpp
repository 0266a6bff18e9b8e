// How long one fade (256 palette writes) takes on the real display backend.
// It should be about half a second whatever the screen. Uses the dummy video
// driver unless SDL_VIDEODRIVER names another (run it under Xvfb with x11).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_host.h"

namespace {

constexpr int Width = 640;
constexpr int Height = 480;
constexpr int WritesPerFade = 256;

void BM_FadeOfPaletteWrites(benchmark::State& state) {
  if (std::getenv("SDL_VIDEODRIVER") == nullptr) SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  platform::SdlHost host;
  platform::SdlDisplay display(host);
  if (!host.OpenWindow("Kerzonk", Width, Height) || display.Open(Width, Height, 8) != platform::DisplayResult::Ok) {
    state.SkipWithError("no display");
    return;
  }
  std::vector<uint8_t> picture(Width * Height);
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint8_t>(i % 251);
  platform::PaletteEntry palette[256] = {};
  for (auto _ : state) {
    for (int step = 0; step < WritesPerFade; ++step) {
      for (platform::PaletteEntry& entry : palette) entry.red = entry.green = entry.blue = static_cast<uint8_t>(step);
      display.Present(picture.data(), Width, Height, Width, palette, false);
    }
  }
}
BENCHMARK(BM_FadeOfPaletteWrites)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
