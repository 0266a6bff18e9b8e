#include <gtest/gtest.h>

#include <map>

#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

class IntroTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;
  void SetUp() override {
    currentScene = SceneSolo;
    playerPhase[0] = PhaseIntro;
  }
  // The top row at which a caption shows at x 320, or -1 when it is not on screen.
  int CaptionTop(uint8_t index) {
    for (int y = 0; y < ScreenHeight; ++y) {
      if (bed.At(320, y) == index) return y;
    }
    return -1;
  }
};

TEST_F(IntroTest, TimelineToTheCall) {
  std::map<int, double> caption1Y, caption2Y;
  int caption2Start = 0, caption1Braking = 0, caption2Braking = 0, end = 0;
  for (int call = 1; call <= 300 && end == 0; ++call) {
    PhaseIntroHandler(0);
    if (playerPhase[0] == PhaseSpawn) {
      end = call;
      break;
    }
    caption1Y[call] = introCaptionY[0];
    caption2Y[call] = introCaptionY[1];
    if (introCaption1Braking && caption1Braking == 0) caption1Braking = call;
    if (introCaption2Braking && caption2Braking == 0) caption2Braking = call;
    if (introCaption2Active && caption2Start == 0) caption2Start = call;
  }
  EXPECT_EQ(static_cast<int>(caption1Y[1]), 479);
  EXPECT_EQ(caption1Braking, 11);
  EXPECT_EQ(static_cast<int>(caption1Y[53]), 98);
  EXPECT_EQ(static_cast<int>(caption1Y[74]), 165);
  EXPECT_EQ(static_cast<int>(caption1Y[75]), 171);
  EXPECT_EQ(caption2Start, 75);
  EXPECT_EQ(static_cast<int>(caption2Y[75]), 469);
  EXPECT_EQ(caption2Braking, 85);
  EXPECT_EQ(static_cast<int>(caption1Y[94]), 226);
  EXPECT_EQ(static_cast<int>(caption2Y[127]), 88);
  EXPECT_EQ(static_cast<int>(caption2Y[168]), 216);
  EXPECT_EQ(end, 213);
  // The intro ends for both players and starts from the same values next time.
  EXPECT_EQ(playerPhase[1], PhaseSpawn);
  EXPECT_EQ(introCaptionY[0], 490.0);
  EXPECT_EQ(introCaptionY[1], 480.0);
  EXPECT_EQ(introCaption2Active, 0);
  EXPECT_EQ(effectLatch, 0);
}

TEST_F(IntroTest, SoundOnceAndOnlyInPlayer0sCall) {
  PhaseIntroHandler(1);
  EXPECT_EQ(introCaptionY[0], 490.0);
  EXPECT_EQ(bed.EffectsPlayed(SfxIntro), 0);
  PhaseIntroHandler(0);
  PhaseIntroHandler(0);
  EXPECT_EQ(bed.EffectsPlayed(SfxIntro), 1);
  EXPECT_EQ(effectLatch, 1);
}

TEST_F(IntroTest, LatchHeldDuringTheChangeKeepsTheSoundBack) {
  effectLatch = 1;
  PhaseIntroHandler(0);
  EXPECT_EQ(bed.EffectsPlayed(SfxIntro), 0);
}

TEST_F(IntroTest, CaptionsAreDrawnAtTheirTruncatedPositions) {
  bed.ClearBack();
  PhaseIntroHandler(0);
  EXPECT_EQ(CaptionTop(IntroCaption1Index), 479);
  EXPECT_EQ(bed.At(140, 479), IntroCaption1Index);
  EXPECT_EQ(bed.At(139, 479), ClearBackground);
  for (int call = 2; call <= 75; ++call) {
    bed.ClearBack();
    PhaseIntroHandler(0);
    if (call < 75) {
      ASSERT_EQ(CaptionTop(IntroCaption2Index), -1) << call;
    }
  }
  EXPECT_EQ(CaptionTop(IntroCaption2Index), 469);
  EXPECT_EQ(bed.At(202, 469), IntroCaption2Index);
}

}  // namespace
