#include "audio/music.h"

#include <filesystem>

#include "platform/midi_file.h"
#include "platform/music.h"
#include "platform/platform.h"
#include "shell/notice.h"

bool musicAvailable;

namespace {

const char* OpenFailureMessage(platform::MusicOpenResult result) {
  switch (result) {
    case platform::MusicOpenResult::NoSynthesizer:
      return "CreatePerformance失敗";
    case platform::MusicOpenResult::NoOutput:
      return "Init失敗";
    case platform::MusicOpenResult::NoSoundFont:
      return "AddPort失敗";
    case platform::MusicOpenResult::Ok:
      break;
  }
  return "";
}

}  // namespace

int InitMusic() {
  const platform::MusicOpenResult result = platform::music().Open();
  if (result != platform::MusicOpenResult::Ok) {
    ShowNotice(OpenFailureMessage(result));
    return 0;
  }
  musicAvailable = true;
  return 1;
}

int LoadMIDISegment(int slot, const char* fileName) {
  std::error_code error;
  if (std::filesystem::current_path(error).empty()) {
    ShowNotice("1");
    return 0;
  }
  platform::MidiSong song;
  if (!platform::ReadMidiFile(fileName, song)) {
    ShowNotice("GetObject失敗");
    return 0;
  }
  if (musicAvailable) platform::music().Load(slot, song);
  return 1;
}

void StartMusic(int segment, int repeats) {
  if (!musicAvailable) return;
  platform::music().Start(segment, repeats);
}

void PlayMusic(int segment, int repeats) {
  if (!musicAvailable) return;
  platform::music().Change(segment, repeats);
}

void ReleaseMusic(int count) {
  if (!musicAvailable) return;
  platform::music().Stop();
  for (int slot = 0; slot < count; ++slot) platform::music().Unload(slot);
  platform::music().Close();
  musicAvailable = false;
}
