// Writing music as text in code: note names, note lines, chords and drum
// rows, placed bar by bar into MIDI tracks. Pieces are in 4/4 time and
// counted in sixteenth-note steps.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/datagen/midi_writer.h"

namespace score {

constexpr uint16_t TicksPerQuarter = 480;
constexpr uint32_t TicksPerStep = TicksPerQuarter / 4;
constexpr int BeatsPerBar = 4;
constexpr int StepsPerBar = 16;
constexpr uint32_t TicksPerBar = TicksPerStep * StepsPerBar;

constexpr uint32_t BarTick(int bar) { return static_cast<uint32_t>(bar) * TicksPerBar; }

// "c4" is middle C (60); a '#' or 'b' after the letter raises or lowers it
// ("g#5", "bb1"). Throws std::invalid_argument on anything else.
int NoteNumber(std::string_view name);

// One bar of a tune: notes "name:steps" and rests "r:steps", separated by
// blanks, e.g. "a4:2 c5:2 f5:4 e5:4 c5:4". Each note sounds for legato of its
// length. Throws std::invalid_argument unless the steps fill exactly one bar.
void PlaceBar(MidiTrack& track, int channel, int bar, std::string_view line, int velocity, double legato);

struct Chord {
  int bass;                 // root note for the bass line
  std::vector<int> voicing;  // chord notes, lowest first
};

// Chord{NoteNumber(bass), the notes of voicing}, e.g. MakeChord("f2", "a3 c4 f4").
Chord MakeChord(std::string_view bass, std::string_view voicing);

// One bar of one drum: a character per step, 'X' accented, 'x' normal,
// 'o' soft, '.' silent; level scales the three velocities.
void PlaceDrumBar(MidiTrack& track, int bar, int key, std::string_view steps, double level);

// The first track of a piece: its name, tempo and 4/4 time signature.
MidiTrack ConductorTrack(std::string_view name, double beatsPerMinute);

struct Instrument {
  std::string_view name;
  int channel;
  int program;  // General MIDI program, 0-based (0 on the drum channel: the standard kit)
  int volume;
  int pan;      // 0 left, 64 centre, 127 right
  int reverb;
};

// A track that sets up its channel at the start.
MidiTrack InstrumentTrack(const Instrument& instrument);

// General MIDI percussion keys.
namespace drum {
constexpr int Kick = 36;
constexpr int SideStick = 37;
constexpr int Snare = 38;
constexpr int ClosedHat = 42;
constexpr int LowTom = 45;
constexpr int OpenHat = 46;
constexpr int MidTom = 47;
constexpr int Crash = 49;
constexpr int HighTom = 50;
constexpr int Ride = 51;
constexpr int Tambourine = 54;
}  // namespace drum

}  // namespace score
