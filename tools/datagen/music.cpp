#include "tools/datagen/music.h"

#include <cstdio>
#include <stdexcept>

#include "audio/music.h"
#include "shell/file_names.h"
#include "tools/datagen/music_pieces.h"

bool WriteMusic(const std::filesystem::path& folder) {
  try {
    return WriteByteFile(folder / MusicFileNames[MusicTitle], ComposeTitleTheme()) &&
           WriteByteFile(folder / MusicFileNames[MusicGame], ComposeGameTheme());
  } catch (const std::invalid_argument& mistake) {
    std::fprintf(stderr, "music: %s\n", mistake.what());
    return false;
  }
}
