// The music synthesiser and sequencer: two pieces, played looping, changed at
// the next bar line. Requests are posted; the device carries them out on its
// own time base.
#pragma once

#include <cstdint>

#include "platform/midi_file.h"

namespace platform {

// Which step of bringing up the music failed.
enum class MusicOpenResult : uint8_t {
  Ok,
  NoSynthesizer,  // the synthesiser could not be created
  NoOutput,       // no sound device to play through
  NoSoundFont,    // no General MIDI SoundFont found or loadable
};

class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
  virtual MusicOpenResult Open() = 0;
  // Called before any piece is started.
  virtual void Load(int slot, const MidiSong& song) = 0;
  // The piece starts from its beginning at once and plays 1 + repeats times.
  virtual void Start(int slot, int repeats) = 0;
  // The piece playing ends at its next bar line and this one starts there.
  virtual void Change(int slot, int repeats) = 0;
  // Silence at once.
  virtual void Stop() = 0;
  virtual void Unload(int slot) = 0;
  // 0..100 percent of the music's own level.
  virtual void SetVolume(int percent) = 0;
  // Holds the music where it is, or lets it go on.
  virtual void Pause(bool paused) = 0;
  virtual void Close() = 0;
};

}  // namespace platform
