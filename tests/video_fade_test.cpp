#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "recording_platform.h"
#include "shell/reset.h"
#include "video/display.h"
#include "video/fade.h"

namespace {

using platform::PaletteEntry;

bool Same(const PaletteEntry& a, const PaletteEntry& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.flags == b.flags;
}

class PaletteFade : public ::testing::Test {
 protected:
  void SetUp() override {
    recording.Install();
    ResetGameState();
    ASSERT_EQ(InitDisplay(640, 480, 8), 1);
    for (int i = 0; i < 256; ++i) {
      start[i] = PaletteEntry{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                              static_cast<uint8_t>(i * 7 % 256), static_cast<uint8_t>(i % 6)};
    }
    start[1] = PaletteEntry{200, 100, 0, 5};
    start[2] = PaletteEntry{255, 255, 255, 5};
    start[3] = PaletteEntry{0, 0, 0, 5};
    SetPaletteEntries(start);
    recording.display.palettes.clear();
  }
  void TearDown() override { ResetGameState(); }

  RecordingPlatform recording;
  PaletteEntry start[256];
};

TEST_F(PaletteFade, FadeToBlackStepsOneUnitAndCountsTheHeldSteps) {
  FadeToBlack();
  const auto& steps = recording.display.palettes;
  ASSERT_EQ(steps.size(), 256u);
  EXPECT_TRUE(Same(steps[49][1], PaletteEntry{150, 50, 0, 5}));
  EXPECT_TRUE(Same(steps[99][1], PaletteEntry{100, 0, 0, 5}));
  EXPECT_TRUE(Same(steps[199][1], PaletteEntry{0, 0, 0, 5}));
  EXPECT_EQ(fadeHold[1][0], -56);
  EXPECT_EQ(fadeHold[1][1], -156);
  EXPECT_EQ(fadeHold[1][2], -256);
  EXPECT_EQ(fadeHold[2][0], -1);
  EXPECT_EQ(fadeHold[3][0], -256);
  for (const PaletteEntry& e : steps.back()) EXPECT_TRUE(e.red == 0 && e.green == 0 && e.blue == 0);
  EXPECT_EQ(recording.headless.display.flips, 0);
}

TEST_F(PaletteFade, FadePairRestoresEveryEntryExactly) {
  FadeToBlack();
  recording.display.palettes.clear();
  FadeFromBlack();
  const auto& steps = recording.display.palettes;
  ASSERT_EQ(steps.size(), 256u);
  EXPECT_TRUE(Same(steps[155][1], PaletteEntry{100, 0, 0, 5}));
  // 255 waits exactly one step before rising; 0 stays 0 throughout.
  EXPECT_EQ(steps[0][2].red, 0);
  EXPECT_EQ(steps[1][2].red, 1);
  for (const auto& step : steps) EXPECT_EQ(step[3].red + step[3].green + step[3].blue, 0);
  for (int i = 0; i < 256; ++i) {
    EXPECT_TRUE(Same(steps.back()[i], start[i])) << "entry " << i;
    EXPECT_TRUE(Same(palette[i], start[i])) << "entry " << i;
    for (int c = 0; c < 3; ++c) EXPECT_EQ(fadeHold[i][c], 0);
  }
}

}  // namespace
