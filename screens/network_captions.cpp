#include "screens/network_captions.h"

#include "screens/sprite_layout.h"
#include "screens/title.h"
#include "video/blit.h"
#include "video/picture.h"

namespace {

const Rect& CaptionSprite(NetworkCaption caption) {
  switch (caption) {
    case NetworkCaption::Waiting: return layout::WaitingCaption;
    case NetworkCaption::Connecting: return layout::ConnectingCaption;
    case NetworkCaption::OpponentLeft: return layout::OpponentLeftNotice;
    case NetworkCaption::ConnectionLost: return layout::ConnectionLostNotice;
    case NetworkCaption::OutOfSync: break;
  }
  return layout::OutOfSyncNotice;
}

}  // namespace

void DrawNetworkCaption(NetworkCaption caption) {
  const Rect& sprite = CaptionSprite(caption);
  DrawBackdrop();
  DrawSprite((ScreenWidth - (sprite.right - sprite.left)) / 2, (ScreenHeight - (sprite.bottom - sprite.top)) / 2,
             pictureSurfaces[layout::PanelPicture], sprite, CopyKeyed);
}
