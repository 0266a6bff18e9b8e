// Writes every file the game reads into the given folder.
#include <cstdio>
#include <filesystem>

#include "tools/datagen/icon_art.h"
#include "tools/datagen/music.h"
#include "tools/datagen/pictures.h"
#include "tools/datagen/sounds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kerzonk-datagen GAME_FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const bool ok = WritePictures(folder) && WriteIcons(folder) && WriteSounds(folder) && WriteMusic(folder);
  return ok ? 0 : 1;
}
