// The game theme: a square-wave lead over a pumping synth bass, off-beat
// piano stabs, a string pad and a rock beat. Form A A' B A: the second A
// turns up the hi-hats and ends reaching up into B; B climbs an octave over a
// ride cymbal; the last bar leads back into the first.
#include <array>

#include "tools/datagen/music_pieces.h"
#include "tools/datagen/score.h"

namespace {

using score::Chord;
using score::MakeChord;

constexpr int Bars = 32;
constexpr int SectionBars = 8;

enum Channel { MelodyChannel, StabChannel, PadChannel, BassChannel };

using Section = std::array<const char*, SectionBars>;

const Section themeA = {
    "a4:2 c5:2 e5:2 a5:2 g5:3 e5:3 c5:2", "f5:4 e5:2 c5:2 a4:4 c5:4", "g5:3 e5:3 c5:2 d5:4 e5:4",
    "d5:6 b4:2 g4:8",                     "a4:2 c5:2 e5:2 a5:2 g5:3 e5:3 c5:2", "f5:4 a5:4 c6:4 a5:4",
    "b5:3 a5:3 g5:2 f5:4 d5:4",           "e5:6 d5:2 b4:4 g#4:4",
};
// The same tune, its last bar rising to the B section instead of falling back.
const Section themeAOpen = {themeA[0], themeA[1], themeA[2], themeA[3],
                            themeA[4], themeA[5], themeA[6], "e5:4 g#5:4 b5:8"};
const Section themeB = {
    "c6:8 a5:4 f5:4",           "d6:8 b5:4 g5:4",           "e6:6 d6:2 b5:4 g5:4", "c6:6 b5:2 a5:8",
    "f5:2 g5:2 a5:4 c6:4 a5:4", "b5:2 a5:2 g5:4 d5:4 g5:4", "e5:2 a5:2 c6:4 b5:4 a5:4", "g#5:8 e5:4 b4:4",
};

struct Harmony {
  std::array<Chord, SectionBars> a;
  std::array<Chord, SectionBars> b;
};

Harmony Progressions() {
  const Chord am = MakeChord("a1", "a3 c4 e4");
  const Chord f = MakeChord("f1", "a3 c4 f4");
  const Chord c = MakeChord("c2", "g3 c4 e4");
  const Chord g = MakeChord("g1", "g3 b3 d4");
  const Chord e = MakeChord("e2", "g#3 b3 e4");
  const Chord em = MakeChord("e2", "g3 b3 e4");
  return {{am, f, c, g, am, f, g, e}, {f, g, em, am, f, g, am, e}};
}

enum class Part { A, AOpen, B, AReturn };

Part PartOf(int bar) {
  constexpr std::array<Part, Bars / SectionBars> form = {Part::A, Part::AOpen, Part::B, Part::AReturn};
  return form[bar / SectionBars];
}

// Eighth notes on the root with an octave jump on the off-beats of 2 and 4.
void PlaceBass(MidiTrack& track, int bar, const Chord& chord) {
  constexpr std::array<int, 8> intervals = {0, 0, 12, 0, 0, 0, 12, 0};
  for (size_t i = 0; i < intervals.size(); ++i) {
    const int velocity = i % 4 == 0 ? 110 : 88;
    track.Note(score::BarTick(bar) + static_cast<uint32_t>(i) * 2 * score::TicksPerStep, BassChannel,
               chord.bass + intervals[i], velocity, score::TicksPerStep * 3 / 2);
  }
}

// Short chords on the off-beats.
void PlaceStabs(MidiTrack& track, int bar, const Chord& chord) {
  for (int beat = 0; beat < score::BeatsPerBar; ++beat) {
    const uint32_t tick = score::BarTick(bar) + static_cast<uint32_t>(beat * 4 + 2) * score::TicksPerStep;
    for (int note : chord.voicing) track.Note(tick, StabChannel, note, 80, score::TicksPerStep);
  }
}

// A rock beat: hi-hats in A (sixteenths in A'), a ride cymbal in B, a crash
// opening each section and a tom fill closing it.
void PlaceDrums(MidiTrack& track, int bar) {
  using namespace score::drum;
  const Part part = PartOf(bar);
  const bool fill = bar % SectionBars == SectionBars - 1;
  if (bar % SectionBars == 0) score::PlaceDrumBar(track, bar, Crash, "X...............", 0.85);
  score::PlaceDrumBar(track, bar, Snare, "....X.......X...", 0.9);
  if (part == Part::B) {
    score::PlaceDrumBar(track, bar, Kick, "X.......X.x.....", 0.95);
    score::PlaceDrumBar(track, bar, Ride, fill ? "x.o.x.o.x.o....." : "x.o.x.o.x.o.x.o.", 0.7);
  } else {
    score::PlaceDrumBar(track, bar, Kick, "X.....x.X.x.....", 0.95);
    const bool busy = part == Part::AOpen;
    const char* hats = fill ? (busy ? "xoxoxoxoxoxo...." : "x.x.x.x.x.x.....")
                            : (busy ? "xoxoxoxoxoxoxo.." : "x.x.x.x.x.x.x...");
    score::PlaceDrumBar(track, bar, ClosedHat, hats, 0.65);
    if (!fill) score::PlaceDrumBar(track, bar, OpenHat, "..............o.", 0.6);
  }
  if (fill) {
    score::PlaceDrumBar(track, bar, HighTom, ".............x..", 0.9);
    score::PlaceDrumBar(track, bar, MidTom, "..............x.", 0.9);
    score::PlaceDrumBar(track, bar, LowTom, "...............x", 0.9);
  }
}

}  // namespace

Bytes ComposeGameTheme() {
  MidiTrack conductor = score::ConductorTrack("Kerzonk game", 140.0);
  MidiTrack lead = score::InstrumentTrack({"Lead", MelodyChannel, 80, 100, 64, 40});
  MidiTrack stabs = score::InstrumentTrack({"Piano stabs", StabChannel, 5, 120, 36, 30});
  MidiTrack pad = score::InstrumentTrack({"Strings", PadChannel, 50, 72, 92, 60});
  MidiTrack bass = score::InstrumentTrack({"Bass", BassChannel, 38, 92, 64, 10});
  MidiTrack drums = score::InstrumentTrack({"Drums", DrumChannel, 0, 100, 64, 30});

  const Harmony harmony = Progressions();
  for (int bar = 0; bar < Bars; ++bar) {
    const Part part = PartOf(bar);
    const int inSection = bar % SectionBars;
    const Chord& chord = part == Part::B ? harmony.b[inSection] : harmony.a[inSection];
    const Section& tune = part == Part::B ? themeB : (part == Part::AOpen ? themeAOpen : themeA);
    score::PlaceBar(lead, MelodyChannel, bar, tune[inSection], part == Part::B ? 104 : 96, 0.85);
    PlaceStabs(stabs, bar, chord);
    for (int note : chord.voicing) pad.Note(score::BarTick(bar), PadChannel, note, 50, score::TicksPerBar - 20);
    PlaceBass(bass, bar, chord);
    PlaceDrums(drums, bar);
  }
  return EncodeMidiFile({conductor, lead, stabs, pad, bass, drums}, score::TicksPerQuarter, score::BarTick(Bars));
}
