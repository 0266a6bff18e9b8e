// Showing the indexed picture: placement on the screen, and the picture
// reaching the window through SDL's dummy video driver.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/argb_conversion.h"
#include "platform/sdl/letterbox.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_host.h"

namespace {

using platform::LetterboxArea;
using platform::PaletteEntry;
using platform::ScreenArea;

TEST(Letterbox, WholeMultiplesWhereTheScreenAllows) {
  EXPECT_EQ(LetterboxArea(640, 480, 640, 480), (ScreenArea{0, 0, 640, 480}));
  EXPECT_EQ(LetterboxArea(1920, 1080, 640, 480), (ScreenArea{320, 60, 1280, 960}));
  EXPECT_EQ(LetterboxArea(2560, 1440, 640, 480), (ScreenArea{320, 0, 1920, 1440}));
  EXPECT_EQ(LetterboxArea(1366, 768, 640, 480), (ScreenArea{363, 144, 640, 480}));
}

TEST(Letterbox, FitScalingFillsAsMuchAsTheAspectAllows) {
  const auto fit = platform::Scaling::Fit;
  EXPECT_EQ(LetterboxArea(1366, 768, 640, 480, fit), (ScreenArea{171, 0, 1024, 768}));
  EXPECT_EQ(LetterboxArea(1920, 1080, 640, 480, fit), (ScreenArea{240, 0, 1440, 1080}));
  EXPECT_EQ(LetterboxArea(640, 480, 640, 480, fit), (ScreenArea{0, 0, 640, 480}));
  EXPECT_EQ(LetterboxArea(320, 240, 640, 480, fit), (ScreenArea{0, 0, 320, 240}));
}

TEST(Letterbox, SmallerScreenFitsWithTheAspectKept) {
  EXPECT_EQ(LetterboxArea(320, 240, 640, 480), (ScreenArea{0, 0, 320, 240}));
  EXPECT_EQ(LetterboxArea(400, 200, 640, 480), (ScreenArea{67, 0, 266, 200}));
  EXPECT_EQ(LetterboxArea(480, 480, 640, 480), (ScreenArea{0, 60, 480, 360}));
}

class DummyDisplay : public testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_TRUE(host.OpenWindow("Kerzonk", 640, 480)) << SDL_GetError();
  }

  uint32_t WindowPixel(int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(host.Window());
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + static_cast<ptrdiff_t>(y) * surface->pitch;
    uint8_t r = 0, g = 0, b = 0;
    SDL_GetRGB(reinterpret_cast<const uint32_t*>(row)[x], surface->format, &r, &g, &b);
    return static_cast<uint32_t>(r) << 16 | g << 8 | b;
  }

  platform::SdlHost host;
  platform::SdlDisplay display{host};
};

TEST_F(DummyDisplay, OpensOnlyAnEightBitPicture) {
  EXPECT_EQ(display.Open(640, 480, 16), platform::DisplayResult::NoDisplayMode);
  EXPECT_EQ(display.Open(640, 480, 8), platform::DisplayResult::Ok);
}

TEST_F(DummyDisplay, FlipAndPaletteWriteBothReachTheWindow) {
  ASSERT_EQ(display.Open(640, 480, 8), platform::DisplayResult::Ok);
  std::vector<uint8_t> picture(640 * 480, 0);
  picture[0] = 12;
  picture[479 * 640 + 639] = 7;
  PaletteEntry palette[256] = {};
  palette[12] = PaletteEntry{200, 100, 0, 5};
  palette[7] = PaletteEntry{0, 0, 255, 5};
  display.Present(picture.data(), 640, 480, 640, palette, true);

  int width = 0, height = 0;
  SDL_GetWindowSize(host.Window(), &width, &height);
  const ScreenArea area = LetterboxArea(width, height, 640, 480);
  const int scale = area.width / 640;
  EXPECT_EQ(WindowPixel(area.x, area.y), 0xC86400u);
  EXPECT_EQ(WindowPixel(area.x + area.width - 1, area.y + area.height - 1), 0x0000FFu);
  EXPECT_EQ(WindowPixel(area.x + scale, area.y), 0x000000u);

  palette[12] = PaletteEntry{10, 20, 30, 5};
  SDL_Delay(20);  // a palette write right after a flip may wait for the next one to be seen
  display.Present(picture.data(), 640, 480, 640, palette, false);
  EXPECT_EQ(WindowPixel(area.x, area.y), 0x0A141Eu);
}

TEST_F(DummyDisplay, AChangedWindowGetsBlackBarsAndTheWholePicture) {
  ASSERT_EQ(display.Open(640, 480, 8), platform::DisplayResult::Ok);
  std::vector<uint8_t> picture(640 * 480, 1);
  PaletteEntry palette[256] = {};
  palette[1] = PaletteEntry{0, 255, 0, 0};
  display.Present(picture.data(), 640, 480, 640, palette, true);
  SDL_Surface* surface = SDL_GetWindowSurface(host.Window());
  ASSERT_NE(surface, nullptr);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 255, 255, 255));  // what a new window may hold
  display.ShowAgain();
  display.Present(picture.data(), 640, 480, 640, palette, true);

  const ScreenArea area = LetterboxArea(surface->w, surface->h, 640, 480);
  ASSERT_TRUE(area.x > 0 || area.y > 0) << "the dummy screen has no room beside the picture";
  const int right = surface->w - 1, bottom = surface->h - 1;
  const int middleX = surface->w / 2, middleY = surface->h / 2;
  for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}, {middleX, 0},
                             {middleX, bottom}, {0, middleY}, {right, middleY}}) {
    EXPECT_EQ(WindowPixel(x, y), 0x000000u) << x << ", " << y;
  }
  EXPECT_EQ(WindowPixel(middleX, middleY), 0x00FF00u);

  // SDL makes the window's pixels anew when the window changes size; new
  // ones, whatever they hold, receive the whole picture even if no event said so.
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 255, 255, 255));
  surface->userdata = nullptr;  // as on pixels just made
  display.Present(picture.data(), 640, 480, 640, palette, true);
  for (const auto& [x, y] : {std::pair{0, 0}, {639, 0}, {320, 240}, {0, 479}, {639, 479}}) {
    EXPECT_EQ(WindowPixel(area.x + x, area.y + y), 0x00FF00u) << x << ", " << y;
  }
}

// A picture changing in small patches from frame to frame, as the game's do,
// with palette writes in between. Shown at the screen's own size the picture
// goes straight into the window's pixels; fitted to the screen it is scaled
// from the texture; the way changes as the scaling does. Each frame must look
// exactly as SDL's own conversion and scaling of the whole picture shows it.
class ChangingPictures : public testing::Test {
 protected:
  static constexpr int Width = 640, Height = 480;

  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_TRUE(host.OpenWindow("Kerzonk", Width, Height)) << SDL_GetError();
    for (int i = 0; i < 256; ++i) {
      palette[i] = PaletteEntry{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7), 0};
    }
    for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint8_t>(i % 251 + i / Width);
  }

  // Changes a few small patches, one of them in the last rows.
  void ChangePatches() {
    std::uniform_int_distribution<int> across(0, Width - 24), down(0, Height - 12);
    for (int patch = 0; patch < 4; ++patch) {
      const int left = across(random), top = patch == 0 ? Height - 12 : down(random);
      for (int y = top; y < top + 12; ++y) {
        for (int x = left; x < left + 24; ++x) picture[y * Width + x] = static_cast<uint8_t>(random());
      }
    }
  }

  // The colours of a screen's pixels, row after row.
  static std::vector<uint32_t> Colours(SDL_Surface* surface) {
    std::vector<uint32_t> colours;
    for (int y = 0; y < surface->h; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                                          static_cast<ptrdiff_t>(y) * surface->pitch);
      for (int x = 0; x < surface->w; ++x) colours.push_back(row[x] & 0x00FFFFFFu);
    }
    return colours;
  }

  // The picture made 32-bit by SDL and scaled into its place on a black screen.
  std::vector<uint32_t> Expected(SDL_Surface* window) {
    SDL_Surface* indexed =
        SDL_CreateRGBSurfaceWithFormatFrom(picture.data(), Width, Height, 8, Width, SDL_PIXELFORMAT_INDEX8);
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = SDL_Color{palette[i].red, palette[i].green, palette[i].blue, 255};
    SDL_SetPaletteColors(indexed->format->palette, colours, 0, 256);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(indexed, SDL_PIXELFORMAT_RGB888, 0);
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, window->w, window->h, 32, SDL_PIXELFORMAT_RGB888);
    SDL_FillRect(screen, nullptr, 0);
    const ScreenArea area = LetterboxArea(window->w, window->h, Width, Height, host.Screen().scaling);
    SDL_Rect target{area.x, area.y, area.width, area.height};
    SDL_BlitScaled(rgb, nullptr, screen, &target);
    std::vector<uint32_t> expected = Colours(screen);
    SDL_FreeSurface(screen);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(indexed);
    return expected;
  }

  platform::SdlHost host;
  std::vector<uint8_t> picture = std::vector<uint8_t>(Width * Height);
  PaletteEntry palette[256] = {};
  std::mt19937 random{11};
};

TEST_F(ChangingPictures, EachFrameLooksAsTheWholePictureConvertedAndScaled) {
  using platform::Scaling;
  platform::SdlDisplay display{host};
  ASSERT_EQ(display.Open(Width, Height, 8), platform::DisplayResult::Ok);
  const Scaling scalings[] = {Scaling::Integer, Scaling::Integer, Scaling::Fit, Scaling::Fit,
                              Scaling::Integer, Scaling::Fit, Scaling::Fit, Scaling::Integer};
  for (int frame = 0; frame < static_cast<int>(std::size(scalings)); ++frame) {
    if (frame > 0 && scalings[frame] != scalings[frame - 1]) {
      host.ChooseWindow(platform::ScreenOptions{true, scalings[frame]}, "");
      display.ShowAgain();  // as after any change of the window
    }
    if (frame == 1 || frame == 6) {
      std::swap(palette[1], palette[200]);
      SDL_Delay(20);  // a palette write right after a flip may wait for the next one to be seen
      display.Present(picture.data(), Width, Height, Width, palette, false);
    }
    ChangePatches();
    display.Present(picture.data(), Width, Height, Width, palette, true);
    SDL_Surface* window = SDL_GetWindowSurface(host.Window());
    EXPECT_TRUE(Colours(window) == Expected(window)) << "frame " << frame;
  }
}

}  // namespace
