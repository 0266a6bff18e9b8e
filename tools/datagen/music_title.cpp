// The title theme: a flute tune over electric-piano arpeggios, soft strings,
// a walking bass and brushed-sounding drums. Two eight-bar halves, the second
// rising higher with a vibraphone doubling the tune, the last bar leading back
// into the first.
#include <array>

#include "tools/datagen/music_pieces.h"
#include "tools/datagen/score.h"

namespace {

using score::Chord;
using score::MakeChord;

constexpr int Bars = 16;

enum Channel { MelodyChannel, ArpeggioChannel, PadChannel, BassChannel, DoublingChannel };

constexpr int SecondHalf = Bars / 2;

const std::array<const char*, Bars> melody = {
    "a4:2 c5:2 f5:4 e5:4 c5:4", "d5:6 c5:2 a4:8",           "bb4:2 d5:2 f5:4 g5:4 f5:4", "e5:6 d5:2 c5:8",
    "a4:2 c5:2 f5:4 e5:4 c5:4", "d5:4 f5:4 a5:8",           "bb5:4 a5:2 g5:2 f5:4 d5:4", "e5:6 f5:2 g5:8",
    "f5:4 d5:4 bb4:4 d5:4",     "e5:4 g5:4 c6:8",           "c6:4 a5:2 g5:2 e5:4 c5:4",  "d5:6 e5:2 f5:8",
    "g5:4 bb5:4 a5:2 g5:2 f5:4", "e5:4 c5:4 d5:2 e5:2 g5:4", "f5:12 r:4",                "e5:4 d5:2 c5:2 bb4:4 g4:4",
};

std::array<Chord, Bars> Progression() {
  const Chord f = MakeChord("f2", "a3 c4 f4");
  const Chord dm = MakeChord("d2", "a3 d4 f4");
  const Chord bb = MakeChord("bb1", "bb3 d4 f4");
  const Chord c = MakeChord("c2", "g3 c4 e4");
  const Chord gm = MakeChord("g1", "g3 bb3 d4");
  const Chord am = MakeChord("a1", "a3 c4 e4");
  const Chord c7 = MakeChord("c2", "g3 bb3 c4 e4");
  return {f, dm, bb, c, f, dm, gm, c, bb, c, am, dm, gm, c, f, c7};
}

// Eighth notes up and down the chord, the top note an octave above the lowest.
void PlaceArpeggio(MidiTrack& track, int bar, const Chord& chord) {
  std::vector<int> notes(chord.voicing.begin(), chord.voicing.begin() + 3);
  notes.push_back(chord.voicing.front() + 12);
  constexpr std::array<int, 8> order = {0, 1, 2, 3, 1, 2, 3, 2};
  for (size_t i = 0; i < order.size(); ++i) {
    const int velocity = i == 0 ? 76 : (i % 2 == 0 ? 66 : 58);
    track.Note(score::BarTick(bar) + static_cast<uint32_t>(i) * 2 * score::TicksPerStep, ArpeggioChannel,
               notes[order[i]], velocity, 2 * score::TicksPerStep);
  }
}

// Root, fifth, octave, fifth: a dotted rhythm that rocks gently.
void PlaceBass(MidiTrack& track, int bar, const Chord& chord) {
  struct Step { int at, interval, length, velocity; };
  constexpr std::array<Step, 4> steps = {{{0, 0, 6, 88}, {6, 7, 2, 70}, {8, 12, 4, 80}, {12, 7, 4, 72}}};
  for (const Step& step : steps) {
    track.Note(score::BarTick(bar) + static_cast<uint32_t>(step.at) * score::TicksPerStep, BassChannel,
               chord.bass + step.interval, step.velocity,
               static_cast<uint32_t>(step.length) * score::TicksPerStep * 9 / 10);
  }
}

void PlaceDrums(MidiTrack& track, int bar) {
  using namespace score::drum;
  const bool fill = bar == Bars - 1;
  score::PlaceDrumBar(track, bar, Kick, "X.....x.X.......", 0.8);
  score::PlaceDrumBar(track, bar, SideStick, fill ? "....x.......x.oo" : "....x.......x...", 0.75);
  score::PlaceDrumBar(track, bar, ClosedHat, "x.o.x.o.x.o.x.o.", 0.6);
  if (bar % SecondHalf == 0) score::PlaceDrumBar(track, bar, Crash, "o...............", 0.9);
  if (bar % 2 == 1) score::PlaceDrumBar(track, bar, Tambourine, "....o.......o...", 0.6);
}

}  // namespace

Bytes ComposeTitleTheme() {
  MidiTrack conductor = score::ConductorTrack("Kerzonk title", 96.0);
  MidiTrack lead = score::InstrumentTrack({"Flute", MelodyChannel, 73, 110, 64, 50});
  MidiTrack arpeggio = score::InstrumentTrack({"Electric piano", ArpeggioChannel, 4, 120, 40, 45});
  MidiTrack pad = score::InstrumentTrack({"Strings", PadChannel, 48, 70, 88, 70});
  MidiTrack bass = score::InstrumentTrack({"Bass", BassChannel, 33, 100, 64, 20});
  MidiTrack vibraphone = score::InstrumentTrack({"Vibraphone", DoublingChannel, 11, 80, 84, 60});
  MidiTrack drums = score::InstrumentTrack({"Drums", DrumChannel, 0, 90, 64, 35});

  const std::array<Chord, Bars> chords = Progression();
  for (int bar = 0; bar < Bars; ++bar) {
    const Chord& chord = chords[bar];
    score::PlaceBar(lead, MelodyChannel, bar, melody[bar], bar >= SecondHalf ? 100 : 92, 0.92);
    if (bar >= SecondHalf) score::PlaceBar(vibraphone, DoublingChannel, bar, melody[bar], 64, 0.92);
    PlaceArpeggio(arpeggio, bar, chord);
    for (int note : chord.voicing) pad.Note(score::BarTick(bar), PadChannel, note, 46, score::TicksPerBar - 20);
    PlaceBass(bass, bar, chord);
    PlaceDrums(drums, bar);
  }
  return EncodeMidiFile({conductor, lead, arpeggio, pad, bass, vibraphone, drums}, score::TicksPerQuarter,
                        score::BarTick(Bars));
}
