// Whole composed frames against stored checksums, drawn with the pictures the
// build has generated. Run with KERZONK_UPDATE_GOLDEN=1 to rewrite the stored
// values after a deliberate change of the art or the drawing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/bitmap_file.h"
#include "shell/file_names.h"
#include "shell/scenes.h"
#include "tests/screens_test_bed.h"

using namespace testbed;

namespace {

const std::string GoldenFile = std::string(KERZONK_SOURCE_DIR) + "/tests/golden/screens_frames.txt";

// The generated pictures from the game folder; false when one cannot be read.
bool LoadGamePictures(Surface (&pictures)[PictureCount]) {
  platform::IndexedBitmap bitmaps[PictureCount];
  for (int i = 0; i < PictureCount; ++i) {
    if (!platform::ReadIndexedBitmap(std::string(KERZONK_GAME_DIR) + "/" + PictureFileNames[i], bitmaps[i])) {
      return false;
    }
  }
  for (int i = 0; i < PictureCount; ++i) {
    pictures[i] = Surface(bitmaps[i].width, bitmaps[i].height);
    pictures[i].pixels = bitmaps[i].pixels;
    pictures[i].colourKey = TransparentIndex;
  }
  return true;
}

uint64_t Checksum(const Surface& surface) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (uint8_t p : surface.pixels) hash = (hash ^ p) * 1099511628211ull;
  return hash;
}

std::map<std::string, uint64_t> ReadGolden() {
  std::map<std::string, uint64_t> values;
  std::ifstream in(GoldenFile);
  std::string name;
  uint64_t value;
  while (in >> name >> std::hex >> value) values[name] = value;
  return values;
}

bool Updating() {
  const char* flag = std::getenv("KERZONK_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

void CheckFrame(const std::string& name, const Surface& frame) {
  const uint64_t actual = Checksum(frame);
  std::map<std::string, uint64_t> values = ReadGolden();
  if (Updating()) {
    values[name] = actual;
    std::ofstream out(GoldenFile);
    for (const auto& [key, value] : values) out << key << ' ' << std::hex << value << '\n';
    return;
  }
  ASSERT_TRUE(values.count(name)) << "no stored checksum for " << name << "; run with KERZONK_UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, values[name]) << name << " differs from its stored frame";
}

class GoldenFrameTest : public ::testing::Test {
 protected:
  ScreensTestBed bed;

  void SetUp() override { ASSERT_TRUE(LoadGamePictures(bed.pictures)) << "the game's pictures are missing"; }
  void Check(const std::string& name) { CheckFrame(name, bed.back); }

  void FillWell(uint8_t player) {
    for (int r = 8; r < 15; ++r) {
      for (int c = 1; c <= 7; ++c) well[player][r][c] = static_cast<uint8_t>(4 * ((r * 3 + c) % 12));
    }
    for (auto& row : clearMarks[player]) std::fill(std::begin(row), std::end(row), NotMarked);
    nextTop[player] = 20;
    nextBottom[player] = 36;
  }
  void DrawVersusFrame() {
    DrawVersusBoard();
    DrawRaiseGauge(0);
    DrawRaiseGauge(1);
  }
};

TEST_F(GoldenFrameTest, Title) {
  for (int frame = 0; frame < 200; ++frame) TitleScene();
  Check("title");
}

TEST_F(GoldenFrameTest, SpeedSelect) {
  currentScene = SceneSpeedSelect;
  keyDirections = DirRight;
  for (int frame = 0; frame < 30; ++frame) SpeedSelectScene();
  Check("speed_select");
}

TEST_F(GoldenFrameTest, SoloInPlay) {
  currentScene = SceneSolo;
  playerPhase[0] = PhaseFalling;
  FillWell(0);
  clearMarks[0][14][2] = well[0][14][2];
  flashDelay[0] = 5.0f;
  score = 123450;
  bestScore = 99990;
  clearedBlocks[0] = 42;
  bestChain[0] = 3;
  fallInterval = 110;
  for (int frame = 0; frame < 25; ++frame) DrawSoloBoard();
  Check("solo_in_play");
}

TEST_F(GoldenFrameTest, VersusWithARaise) {
  currentScene = SceneVersus;
  playerPhase[0] = playerPhase[1] = PhaseFalling;
  FillWell(0);
  FillWell(1);
  viewTopRow[1] = 2;
  for (int c = 1; c <= 7; ++c) frameTiles[1][13][c] = TileFloor;
  attackMeter[0] = 31;
  attackMeter[1] = 15;
  clearedBlocks[0] = 17;
  clearedBlocks[1] = 260;
  for (int frame = 0; frame < 15; ++frame) DrawVersusFrame();
  Check("versus_with_raise");
}

TEST_F(GoldenFrameTest, GameOver) {
  currentScene = SceneSolo;
  playerPhase[0] = PhaseGameOver;
  FillWell(0);
  bed.headless.host.calendarStart = 1700000000;
  for (int frame = 0; frame < 70; ++frame) {
    DrawSoloBoard();
    PhaseGameOverHandler(0);
  }
  Check("game_over");
}

}  // namespace
