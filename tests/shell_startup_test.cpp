#include <gtest/gtest.h>

#include <filesystem>

#include "bitmap_fixture.h"
#include "headless_game.h"
#include "platform/music.h"
#include "shell/app.h"
#include "shell/file_names.h"
#include "video/display.h"
#include "video/picture.h"

namespace {

using platform::DisplayResult;

constexpr const char* LoadNotice = "ビットマップのロードに失敗しました。";

// The pictures are the subject here: no sound or music device, so no effect
// or music file is needed.
class Startup : public HeadlessGame {
 protected:
  void SetUp() override {
    HeadlessGame::SetUp();
    headless.sound.available = false;
    headless.music.failWith = platform::MusicOpenResult::NoSynthesizer;
  }
  std::vector<std::string> NoticeTexts() const {
    std::vector<std::string> texts;
    for (const auto& n : headless.host.notices) {
      EXPECT_EQ(n.caption, "お知らせ");
      texts.push_back(n.text);
    }
    return texts;
  }
  fixture::ScratchFolder folder{"startup"};
};

TEST_F(Startup, EachDisplayStepFailureShowsItsNoticeAndExitsWithOne) {
  const std::pair<DisplayResult, const char*> steps[] = {
      {DisplayResult::NoDevice, "DirectDrawオブジェクト7の生成に失敗しました。"},
      {DisplayResult::NoExclusiveMode, "SetCooperativeLevel失敗しました。"},
      {DisplayResult::NoDisplayMode, "SetDisplayMode失敗しました。"},
      {DisplayResult::NoPrimarySurface, "CreateSurface失敗しました。"},
      {DisplayResult::NoBackBuffer, "GetAttachedSurface失敗しました。"},
      {DisplayResult::NoPalette, "DirectDrawパレットの生成に失敗しました。"},
      {DisplayResult::PaletteNotAttached, "DirectDrawパレットの設定に失敗しました。"},
  };
  fixture::WritePictures();
  for (const auto& [failure, notice] : steps) {
    ResetGameState();
    headless.host.notices.clear();
    headless.display.failWith = failure;
    EXPECT_EQ(RunApplication(), StartupFailedExitCode);
    EXPECT_EQ(NoticeTexts(), std::vector<std::string>{notice});
    EXPECT_EQ(pictureSurfaces[0], nullptr) << "no picture is loaded after a display failure";
  }
  EXPECT_EQ(headless.host.windowTitle, "Kerzonk");
}

TEST_F(Startup, MissingSecondPictureEndsAfterTheFirstLoaded) {
  fixture::WritePictures();
  std::filesystem::remove(PictureFileNames[1]);
  EXPECT_EQ(RunApplication(), StartupFailedExitCode);
  EXPECT_EQ(NoticeTexts(), std::vector<std::string>{LoadNotice});
  ASSERT_NE(pictureSurfaces[0], nullptr);
  EXPECT_EQ(pictureSurfaces[0]->height, 805);
  EXPECT_EQ(pictureSurfaces[2], nullptr);
}

TEST_F(Startup, EachMissingPictureEndsTheStartUp) {
  for (int missing = 0; missing < PictureCount; ++missing) {
    ResetGameState();
    headless.host.notices.clear();
    fixture::WritePictures();
    std::filesystem::remove(PictureFileNames[missing]);
    EXPECT_EQ(InitApplication(), 0);
    EXPECT_EQ(NoticeTexts(), std::vector<std::string>{LoadNotice});
  }
}

TEST_F(Startup, PictureThatIsNotEightBitIsRefused) {
  fixture::WritePictures();
  fixture::WriteFile(PictureFileNames[2], fixture::BitmapBytes(640, 480, 24, fixture::Pattern));
  EXPECT_EQ(RunApplication(), StartupFailedExitCode);
  EXPECT_EQ(NoticeTexts(), std::vector<std::string>{LoadNotice});
}

TEST_F(Startup, PaletteInForceIsTheLastPicturesColourTable) {
  fixture::WritePictures();
  ASSERT_EQ(InitApplication(), 1);
  EXPECT_EQ(palette[7].red, 7);
  EXPECT_EQ(palette[7].green, 248);
  EXPECT_EQ(palette[7].flags, 5);
}

TEST_F(Startup, NormalQuitExitsWithZeroAndReleasesEverything) {
  fixture::WritePictures();
  headless.host.Queue(platform::Message{platform::MessageKind::EscapeKey, 0});
  EXPECT_EQ(RunApplication(), 0);
  EXPECT_FALSE(displayOpen);
  EXPECT_EQ(pictureSurfaces[0], nullptr);
}

}  // namespace
