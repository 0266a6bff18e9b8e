// Keyed sprite copies between 8-bit pictures: ours against SDL's colour-keyed
// blit, on the sprites of a versus frame (two full wells of blocks).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "screens/sprite_layout.h"
#include "video/blit.h"

namespace {

constexpr int Key = 12;
constexpr int WellOriginX[2] = {32, 352};
constexpr int WellOriginY = 0;
constexpr int Rows = 15, Columns = 9;

// A picture where about a quarter of the pixels are the transparent index.
Surface MakeSpritePicture() {
  Surface picture(layout::Picture1Width, layout::Picture1Height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int value = (x * 7 + y * 13) % 256;
      picture.Row(y)[x] = static_cast<uint8_t>((x + y) % 4 == 0 ? Key : value);
    }
  }
  picture.colourKey = Key;
  return picture;
}

Rect SpriteFor(int row, int column) { return cellSpriteRects[(row * Columns + column) % 48]; }

void BM_OurKeyedCopies(benchmark::State& state) {
  const Surface picture = MakeSpritePicture();
  Surface target(ScreenWidth, ScreenHeight);
  for (auto _ : state) {
    for (int player = 0; player < 2; ++player) {
      for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
          CopyRect(target, WellOriginX[player] + 32 * column, WellOriginY + 32 * row, picture,
                   SpriteFor(row, column), CopyKeyed);
        }
      }
    }
    benchmark::DoNotOptimize(target.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 2 * Rows * Columns);
}
BENCHMARK(BM_OurKeyedCopies);

SDL_Surface* IndexedSurface(int width, int height, SDL_Palette* palette) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
  SDL_SetSurfacePalette(surface, palette);
  return surface;
}

void BM_SdlKeyedBlits(benchmark::State& state) {
  const Surface picture = MakeSpritePicture();
  SDL_Palette* palette = SDL_AllocPalette(256);
  SDL_Surface* source = IndexedSurface(picture.width, picture.height, palette);
  SDL_Surface* target = IndexedSurface(ScreenWidth, ScreenHeight, palette);
  for (int y = 0; y < picture.height; ++y) {
    std::copy_n(picture.Row(y), picture.width, static_cast<uint8_t*>(source->pixels) + y * source->pitch);
  }
  SDL_SetColorKey(source, SDL_TRUE, Key);
  for (auto _ : state) {
    for (int player = 0; player < 2; ++player) {
      for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
          const Rect r = SpriteFor(row, column);
          SDL_Rect from{r.left, r.top, r.right - r.left, r.bottom - r.top};
          SDL_Rect to{WellOriginX[player] + 32 * column, WellOriginY + 32 * row, 0, 0};
          SDL_BlitSurface(source, &from, target, &to);
        }
      }
    }
    benchmark::DoNotOptimize(target->pixels);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 2 * Rows * Columns);
  SDL_FreeSurface(target);
  SDL_FreeSurface(source);
  SDL_FreePalette(palette);
}
BENCHMARK(BM_SdlKeyedBlits);

}  // namespace
