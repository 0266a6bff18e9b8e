#include "screens/pause_screen.h"

#include "screens/sprite_layout.h"
#include "screens/title.h"
#include "screens/well_drawing.h"
#include "shell/scenes.h"
#include "video/blit.h"
#include "video/picture.h"

namespace {

// Centred over the well's inside: columns 1 to 7, above the floor row.
constexpr int WellInsideLeft = 32, WellInsideWidth = 7 * 32, WellInsideHeight = 14 * 32;

void DrawPauseCaption(uint8_t player) {
  const Rect& caption = layout::PauseCaption;
  const int x = WellOriginX(player) + WellInsideLeft + (WellInsideWidth - (caption.right - caption.left)) / 2;
  const int y = (WellInsideHeight - (caption.bottom - caption.top)) / 2;
  DrawSprite(x, y, pictureSurfaces[layout::PanelPicture], caption, CopyKeyed);
}

}  // namespace

// Draws without moving any animation on, so a paused game stands still.
void DrawPausedGame() {
  const uint8_t players = currentScene == SceneVersus ? 2 : 1;
  DrawStillBackdrop();
  for (uint8_t player = 0; player < players; ++player) DrawWellFrame(player);
  DrawSidePanel();
  for (uint8_t player = 0; player < players; ++player) DrawPauseCaption(player);
}
