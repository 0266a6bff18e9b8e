// Standard MIDI Files read into a timed list of channel events, with the
// bar lines the music changes wait for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct MidiEvent {
  double seconds = 0;  // from the start of the piece
  uint8_t status = 0;  // a channel message: 0x80..0xEF
  uint8_t data1 = 0;
  uint8_t data2 = 0;
};

struct MidiSong {
  std::vector<MidiEvent> events;  // in time order; equal times keep the file's order
  std::vector<double> barLines;   // the start of every measure, 0 first, all before `length`
  double length = 0;              // the end of the last track, at least one measure
};

// False when the bytes are not a Standard MIDI File of format 0 or 1 with a
// metrical division, a chunk or event runs past its end, or the piece holds
// more than a million channel events or bar lines.
bool ParseMidiFile(const uint8_t* bytes, size_t size, MidiSong& song);

// A longer music file is not read.
constexpr size_t MaxMidiFileBytes = 4u << 20;

// The same for a file; false also when it is missing, not a regular file or
// longer than MaxMidiFileBytes.
bool ReadMidiFile(const std::string& path, MidiSong& song);

}  // namespace platform
