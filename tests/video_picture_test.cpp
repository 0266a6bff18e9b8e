#include <gtest/gtest.h>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "shell/file_names.h"
#include "video/display.h"
#include "video/picture.h"

namespace {

constexpr const char* LoadNotice = "ビットマップのロードに失敗しました。";

class Pictures : public HeadlessGame {
 protected:
  void SetUp() override {
    HeadlessGame::SetUp();
    ASSERT_EQ(InitDisplay(640, 480, 8), 1);
  }
  int Load(const char* file) { return LoadPicture(file, &pictureSurfaces[0], paletteEntries, TransparentIndex); }
  std::vector<std::string> NoticeTexts() const {
    std::vector<std::string> texts;
    for (const auto& n : headless.host.notices) texts.push_back(n.text);
    return texts;
  }
  fixture::ScratchFolder folder{"pictures"};
};

TEST_F(Pictures, LoadKeepsEveryIndexAndTakesTheColourTable) {
  fixture::WriteFile("p.bmp", fixture::BitmapBytes(37, 11, 8, fixture::Pattern));
  ASSERT_EQ(Load("p.bmp"), 1);
  const Surface& s = *pictureSurfaces[0];
  ASSERT_EQ(s.width, 37);
  ASSERT_EQ(s.height, 11);
  EXPECT_EQ(s.colourKey, 12);
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 37; ++x) ASSERT_EQ(s.Row(y)[x], fixture::Pattern(x, y)) << x << "," << y;
  }
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(paletteEntries[i].red, i);
    EXPECT_EQ(paletteEntries[i].green, 255 - i);
    EXPECT_EQ(paletteEntries[i].blue, i / 2);
    EXPECT_EQ(paletteEntries[i].flags, 5);
    EXPECT_EQ(palette[i].red, i);
  }
  EXPECT_EQ(headless.display.shownPalette[200].green, 55);
}

TEST_F(Pictures, WideBitmapKeepsItsFirst640Columns) {
  fixture::WriteFile("wide.bmp", fixture::BitmapBytes(700, 3, 8, fixture::Pattern));
  ASSERT_EQ(Load("wide.bmp"), 1);
  const Surface& s = *pictureSurfaces[0];
  EXPECT_EQ(s.width, 640);
  EXPECT_EQ(s.height, 3);
  EXPECT_EQ(s.Row(2)[639], fixture::Pattern(639, 2));
}

TEST_F(Pictures, MissingOrNotEightBitFileIsRefusedWithTheLoadNotice) {
  fixture::WriteFile("deep.bmp", fixture::BitmapBytes(8, 8, 24, fixture::Pattern));
  EXPECT_EQ(Load("missing.bmp"), 0);
  EXPECT_EQ(Load("deep.bmp"), 0);
  EXPECT_EQ(pictureSurfaces[0], nullptr);
  EXPECT_EQ(NoticeTexts(), (std::vector<std::string>{LoadNotice, LoadNotice}));
  EXPECT_EQ(headless.host.notices[0].caption, "お知らせ");
}

TEST_F(Pictures, NoSurfaceWithoutTheDisplay) {
  fixture::WriteFile("p.bmp", fixture::BitmapBytes(8, 8, 8, fixture::Pattern));
  ReleaseDisplay(PictureCount);
  EXPECT_EQ(Load("p.bmp"), 0);
  EXPECT_EQ(NoticeTexts(), (std::vector<std::string>{"DirectDrawオフスクリーンサーフェースの生成に失敗しました。"}));
}

TEST_F(Pictures, RestoreReloadsOnlyALostPicture) {
  fixture::WriteFile("p.bmp", fixture::BitmapBytes(8, 8, 8, fixture::Pattern));
  ASSERT_EQ(Load("p.bmp"), 1);
  Surface& s = *pictureSurfaces[0];
  s.pixels[9] = 250;
  RestorePicture("p.bmp", &s);
  EXPECT_EQ(s.pixels[9], 250);
  s.lost = true;
  RestorePicture("p.bmp", &s);
  EXPECT_FALSE(s.lost);
  EXPECT_EQ(s.pixels[9], fixture::Pattern(1, 1));
}

TEST_F(Pictures, FailedReloadLeavesTheSurfaceRestoredAndSaysSo) {
  fixture::WriteFile("p.bmp", fixture::BitmapBytes(8, 8, 8, fixture::Pattern));
  ASSERT_EQ(Load("p.bmp"), 1);
  pictureSurfaces[0]->lost = true;
  RestorePicture("gone.bmp", pictureSurfaces[0]);
  EXPECT_FALSE(pictureSurfaces[0]->lost);
  EXPECT_EQ(NoticeTexts(), (std::vector<std::string>{LoadNotice}));
}

}  // namespace
