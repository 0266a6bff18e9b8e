// Showing the indexed picture: placement on the screen, colour conversion,
// and the picture reaching the window through SDL's dummy video driver.
#include <gtest/gtest.h>

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

TEST(ArgbConversion, EachIndexTakesItsPaletteColourAndPitchesAreHonoured) {
  PaletteEntry palette[256] = {};
  palette[12] = PaletteEntry{200, 100, 0, 5};
  palette[255] = PaletteEntry{1, 2, 3, 0};
  const platform::ArgbTable table = platform::MakeArgbTable(palette);
  EXPECT_EQ(table[12], 0xFFC86400u);
  EXPECT_EQ(table[255], 0xFF010203u);
  EXPECT_EQ(table[0], 0xFF000000u);

  const uint8_t indices[2 * 4] = {12, 255, 99, 99, 0, 12, 99, 99};  // 2 x 2 picture, rows 4 bytes apart
  std::vector<uint32_t> argb(2 * 3, 0xDEADBEEF);                    // rows 3 pixels apart
  platform::ConvertToArgb(indices, 2, 2, 4, table, argb.data(), 3 * sizeof(uint32_t));
  EXPECT_EQ(argb, (std::vector<uint32_t>{0xFFC86400u, 0xFF010203u, 0xDEADBEEF, 0xFF000000u, 0xFFC86400u, 0xDEADBEEF}));
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

TEST_F(DummyDisplay, EverythingBesideThePictureIsPaintedBlackAfterTheWindowChanges) {
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
}

}  // namespace
