#include "screens/sprite_layout.h"
#include "screens/title.h"
#include "video/blit.h"
#include "video/picture.h"

int bgScrollX = 0;
int bgScrollY = 0;

namespace {

constexpr int TileWidth = 128;
constexpr int TileHeight = 120;
constexpr int FixedColumns = 6, FixedRows = 7;
constexpr int MovingRows = 6, MovingColumns = 7;

}  // namespace

void DrawStillBackdrop() {
  // Tiles past the right and bottom edges are not wholly on screen and draw nothing.
  for (int i = 0; i < FixedColumns; ++i) {
    for (int j = 0; j < FixedRows; ++j) {
      DrawSprite(TileWidth * i, TileHeight * j, pictureSurfaces[layout::PanelPicture],
                 layout::BackdropFixedTile, CopyPlain);
    }
  }
  for (int k = 0; k < MovingRows; ++k) {
    for (int l = 0; l < MovingColumns; ++l) {
      DrawSpriteClipped(TileWidth * l + bgScrollX, TileHeight * k + bgScrollY,
                        pictureSurfaces[layout::SpritePicture], layout::BackdropMovingTile, CopyKeyed);
    }
  }
}

void DrawBackdrop() {
  DrawStillBackdrop();
  if (--bgScrollX < -(TileWidth - 1)) bgScrollX = 0;
  if (--bgScrollY < -(TileHeight - 1)) bgScrollY = 0;
}
