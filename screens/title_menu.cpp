#include "audio/sound.h"
#include "input/input.h"
#include "screens/sprite_layout.h"
#include "screens/title.h"
#include "shell/scenes.h"
#include "video/blit.h"
#include "video/picture.h"

int menuSelection = 0;
uint8_t menuRepeat = 0;
int menuCursorTick = 0;
uint8_t menuCursorOffset = 0;

namespace {

constexpr int MenuItems = 3;
constexpr uint8_t MenuRepeatFrames = 30;
constexpr int CursorTickLimit = 30;
constexpr int CursorFrameLength = 10;
constexpr int CursorStep = 60;
// The cursor is the first block of the selected item's group.
constexpr int CursorSpritesPerGroup = 16;

constexpr int ItemX = 230;
constexpr int ItemY[MenuItems] = {260, 305, 375};
constexpr int CursorX = 190, CursorY = 295;

struct MenuItemSprites {
  int picture;
  Rect normal;
  Rect highlighted;
};

constexpr MenuItemSprites ItemSprites[MenuItems] = {
    {layout::TitlePicture, layout::Item0Normal, layout::Item0Highlighted},
    {layout::SpritePicture, layout::Item1Normal, layout::Item1Highlighted},
    {layout::TitlePicture, layout::Item2Normal, layout::Item2Highlighted},
};

void ConfirmSelection() {
  if (menuSelection == 2) keyButton = 0;
  waveTable.reset();
  if (menuSelection == 0) {
    EnterSolo();
  } else if (menuSelection == 1) {
    EnterVersus();
  } else {
    EnterSpeedSelect();
  }
}

void DrawMenu(int cursorFrame) {
  for (int item = 0; item < MenuItems; ++item) {
    const MenuItemSprites& sprites = ItemSprites[item];
    const Rect& source = item == menuSelection ? sprites.highlighted : sprites.normal;
    DrawSprite(ItemX, ItemY[item], pictureSurfaces[sprites.picture], source, CopyKeyed);
  }
  DrawSprite(CursorX, CursorY + menuCursorOffset, pictureSurfaces[layout::SpritePicture],
             cellSpriteRects[CursorSpritesPerGroup * menuSelection + cursorFrame], CopyKeyed);
}

}  // namespace

void TitleMenu() {
  if (keyDirections == DirDown && menuRepeat == 0) {
    ++menuSelection;
    PlayEffect(SfxCursor);
  }
  if (keyDirections == DirUp && menuRepeat == 0) {
    --menuSelection;
    PlayEffect(SfxCursor);
  }
  if (menuRepeat != MenuRepeatFrames && keyDirections != 0) {
    ++menuRepeat;
  } else {
    menuRepeat = 0;
  }
  if (menuSelection == MenuItems) menuSelection = 0;
  if (menuSelection == -1) menuSelection = MenuItems - 1;

  if (menuCursorTick >= CursorTickLimit) {
    menuCursorTick = 0;
  } else {
    ++menuCursorTick;
  }
  const int cursorFrame = menuCursorTick / CursorFrameLength;

  menuCursorOffset = static_cast<uint8_t>(CursorStep * menuSelection);
  if (keyButton > 0) ConfirmSelection();
  // A confirmed choice has already drawn the next scene.
  if (currentScene == SceneTitle) DrawMenu(cursorFrame);
}

void TitleScene() {
  DrawBackdrop();
  DrawWavyLogo();
  DrawBouncingLogo();
  TitleMenu();
}
