// Turning the 640 x 480 index picture into screen pixels, as every flip and
// every palette write does: our table conversion against SDL's own blit of
// an 8-bit surface. Each iteration changes the palette first, as a fade does.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <random>
#include <vector>

#include "platform/argb_conversion.h"

namespace {

constexpr int Width = 640;
constexpr int Height = 480;

std::vector<uint8_t> NoisyPicture() {
  std::vector<uint8_t> picture(Width * Height);
  std::mt19937 random(61);
  for (uint8_t& index : picture) index = static_cast<uint8_t>(random());
  return picture;
}

void BM_TableConversion(benchmark::State& state) {
  const std::vector<uint8_t> picture = NoisyPicture();
  std::vector<uint32_t> screen(Width * Height);
  platform::PaletteEntry palette[256] = {};
  uint8_t step = 0;
  for (auto _ : state) {
    palette[1].red = ++step;
    const platform::ArgbTable table = platform::MakeArgbTable(palette);
    platform::ConvertToArgb(picture.data(), Width, Height, Width, table, screen.data(), Width * 4);
    benchmark::DoNotOptimize(screen.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * Width * Height);
}
BENCHMARK(BM_TableConversion);

void BM_SdlBlitConversion(benchmark::State& state) {
  const std::vector<uint8_t> picture = NoisyPicture();
  SDL_Surface* indexed = SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 8, SDL_PIXELFORMAT_INDEX8);
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < Height; ++y) {
    std::copy_n(&picture[y * Width], Width, static_cast<uint8_t*>(indexed->pixels) + y * indexed->pitch);
  }
  SDL_Color colours[256] = {};
  uint8_t step = 0;
  for (auto _ : state) {
    colours[1].r = ++step;
    SDL_SetPaletteColors(indexed->format->palette, colours, 0, 256);
    SDL_BlitSurface(indexed, nullptr, screen, nullptr);
    benchmark::DoNotOptimize(screen->pixels);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * Width * Height);
  SDL_FreeSurface(screen);
  SDL_FreeSurface(indexed);
}
BENCHMARK(BM_SdlBlitConversion);

// SDL's other route: a new ARGB8888 surface converted from the 8-bit one.
void BM_SdlConvertSurface(benchmark::State& state) {
  const std::vector<uint8_t> picture = NoisyPicture();
  SDL_Surface* indexed = SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 8, SDL_PIXELFORMAT_INDEX8);
  for (int y = 0; y < Height; ++y) {
    std::copy_n(&picture[y * Width], Width, static_cast<uint8_t*>(indexed->pixels) + y * indexed->pitch);
  }
  SDL_Color colours[256] = {};
  uint8_t step = 0;
  for (auto _ : state) {
    colours[1].r = ++step;
    SDL_SetPaletteColors(indexed->format->palette, colours, 0, 256);
    SDL_Surface* screen = SDL_ConvertSurfaceFormat(indexed, SDL_PIXELFORMAT_ARGB8888, 0);
    benchmark::DoNotOptimize(screen->pixels);
    SDL_FreeSurface(screen);
  }
  state.SetItemsProcessed(state.iterations() * Width * Height);
  SDL_FreeSurface(indexed);
}
BENCHMARK(BM_SdlConvertSurface);

}  // namespace
