// The captions around a network game: each one alone, in the middle of the
// screen, over the moving backdrop.
#include <gtest/gtest.h>

#include "screens/network_captions.h"
#include "screens_test_bed.h"

namespace {

using namespace testbed;

TEST(NetworkCaptions, EachIsCentredOverTheMovingBackdrop) {
  ScreensTestBed bed;
  const std::pair<NetworkCaption, Rect> captions[] = {
      {NetworkCaption::Waiting, layout::WaitingCaption},
      {NetworkCaption::Connecting, layout::ConnectingCaption},
      {NetworkCaption::OpponentLeft, layout::OpponentLeftNotice},
      {NetworkCaption::ConnectionLost, layout::ConnectionLostNotice},
      {NetworkCaption::OutOfSync, layout::OutOfSyncNotice}};
  for (const auto& [caption, sprite] : captions) {
    const int scrolled = bgScrollX;
    bed.ClearBack();
    DrawNetworkCaption(caption);
    const int index = static_cast<int>(caption);
    const int width = sprite.right - sprite.left, height = sprite.bottom - sprite.top;
    const int left = (640 - width) / 2, top = (480 - height) / 2;
    int shown = 0;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        const uint8_t pixel = bed.At(x, y);
        const bool inside = x >= left && x < left + width && y >= top && y < top + height;
        ASSERT_EQ(pixel == NetworkCaptionIndex(index), inside) << index << " at " << x << "," << y;
        ASSERT_TRUE(inside || pixel == BackdropFixedIndex || pixel == BackdropMovingIndex) << x << "," << y;
        shown += inside;
      }
    }
    EXPECT_EQ(shown, width * height);
    EXPECT_EQ(bgScrollX, scrolled - 1) << "the backdrop moves on";
  }
}

}  // namespace
