#include "tools/datagen/pictures.h"

#include <string>
#include <system_error>

#include "screens/sprite_layout.h"
#include "shell/file_names.h"
#include "tools/datagen/bmp_writer.h"
#include "tools/datagen/contact_sheet.h"
#include "tools/datagen/painters.h"
#include "tools/datagen/sprite_catalogue.h"

namespace {

std::filesystem::path Utf8Path(const char* name) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(name)));
}

}  // namespace

GeneratedPictures MakePictures() {
  Canvas picture0(layout::Picture0Width, layout::Picture0Height);
  Canvas picture1(layout::Picture1Width, layout::Picture1Height);
  Canvas picture2(layout::Picture2Width, layout::Picture2Height);

  PaintTitle(picture0, picture1);
  PaintSpeedScreen(picture0);
  PaintOrdinaryBlocks(picture1);
  PaintSpecialBlocks(picture1);
  PaintFlashPictures(picture1);
  PaintFrameTiles(picture1);
  PaintDigits(picture1);
  PaintCaptions(picture1);
  PaintSoloPanel(picture1);
  PaintVersusPanel(picture2);
  PaintBackdropTiles(picture1, picture2);

  GeneratedPictures out;
  out.palette = BuildSharedPalette({&picture0, &picture1, &picture2});
  PaintPauseCaption(picture2);
  PaintNetworkCaptions(picture2);
  out.pictures = {ToIndexed(picture0, out.palette), ToIndexed(picture1, out.palette),
                  ToIndexed(picture2, out.palette)};
  return out;
}

bool WritePictures(const std::filesystem::path& folder) {
  const GeneratedPictures generated = MakePictures();
  std::error_code error;
  const std::filesystem::path contact = folder / "contact";
  std::filesystem::create_directories(contact, error);
  for (int i = 0; i < PictureCount; ++i) {
    const std::filesystem::path file = folder / Utf8Path(PictureFileNames[i]);
    std::filesystem::create_directories(file.parent_path(), error);
    if (!WriteBitmap(file, generated.pictures[i], generated.palette)) return false;
    std::vector<Rect> rects;
    for (const SpriteEntry& sprite : SpritesOf(i)) rects.push_back(sprite.rect);
    const std::string sheet = "game_" + std::to_string(i) + ".png";
    if (!WriteContactSheet(contact / sheet, generated.pictures[i], generated.palette, rects)) return false;
  }
  return true;
}
