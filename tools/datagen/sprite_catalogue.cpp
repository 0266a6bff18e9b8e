#include "tools/datagen/sprite_catalogue.h"

#include "screens/sprite_layout.h"

std::vector<SpriteEntry> SpritesOf(int picture) {
  using enum SpriteFill;
  std::vector<SpriteEntry> sprites;
  switch (picture) {
    case 0:
      sprites = {{layout::WavyLogo, Shape},         {layout::BouncingLogo, Shape},
                 {layout::Item0Normal, Shape},      {layout::Item0Highlighted, Shape},
                 {layout::Item2Normal, Shape},      {layout::Item2Highlighted, Shape},
                 {layout::SpeedScreen, Partial},    {layout::SpeedCursor, Shape}};
      break;
    case 1:
      for (const Rect& cell : cellSpriteRects)
        if (cell.right > cell.left) sprites.push_back({cell, Shape});
      for (const Rect& tile : layout::frameTileRects) sprites.push_back({tile, Solid});
      for (int d = 0; d < 10; ++d) {
        sprites.push_back({layout::SmallDigit(d), Partial});
        sprites.push_back({layout::LargeDigit(d), Partial});
      }
      sprites.insert(sprites.end(), {{layout::IntroCaption1, Shape},
                                     {layout::IntroCaption2, Shape},
                                     {layout::GameOverCaption, Shape},
                                     {layout::Item1Normal, Shape},
                                     {layout::Item1Highlighted, Shape},
                                     {layout::BackdropMovingTile, Partial},
                                     {layout::SoloSidePanel, Solid}});
      break;
    default:
      sprites = {{layout::BackdropFixedTile, Solid},    {layout::VersusSidePanel, Solid},
                 {layout::PauseCaption, Shape},         {layout::WaitingCaption, Shape},
                 {layout::ConnectingCaption, Shape},    {layout::OpponentLeftNotice, Shape},
                 {layout::ConnectionLostNotice, Shape}, {layout::OutOfSyncNotice, Shape}};
      break;
  }
  return sprites;
}
