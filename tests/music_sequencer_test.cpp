#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/midi_file.h"
#include "platform/music_sequencer.h"
#include "tests/midi_builder.h"

namespace {

using platform::MidiEvent;
using platform::MusicSequencer;

platform::MidiSong Song(const MidiBuilder& builder) {
  const std::vector<uint8_t> bytes = builder.Bytes();
  platform::MidiSong song;
  EXPECT_TRUE(platform::ParseMidiFile(bytes.data(), bytes.size(), song));
  return song;
}

// Two bars of 4/4 at 120 beats a minute (4 s), a note of the given key on every beat.
platform::MidiSong Beats(uint8_t key) {
  MidiBuilder builder(480);
  for (int beat = 0; beat < 8; ++beat) builder.Note(beat * 480, 240, key);
  return Song(builder.End(2 * 1920));
}

struct NoteOn {
  int64_t frame;
  int key;
  bool operator==(const NoteOn&) const = default;
};

// Keeps the time line: frames rendered so far, and every note-on with its frame.
class Recorder : public platform::MusicSink {
 public:
  void Render(int64_t frames) override { now += frames; }
  void Send(const MidiEvent& event) override {
    if ((event.status & 0xF0) == 0x90) notes.push_back(NoteOn{now, event.data1});
  }
  void EndNotes(bool reset) override { (reset ? changes : loops).push_back(now); }
  void Hush() override { hushes.push_back(now); }

  std::vector<int> KeysFrom(int64_t frame) const {
    std::vector<int> keys;
    for (const NoteOn& n : notes) if (n.frame >= frame) keys.push_back(n.key);
    return keys;
  }

  int64_t now = 0;
  std::vector<NoteOn> notes;
  std::vector<int64_t> changes, loops, hushes;
};

constexpr int A = 60;
constexpr int B = 72;

class Sequencer : public testing::Test {
 protected:
  Sequencer() {
    sequencer.Load(0, Beats(A));
    sequencer.Load(1, Beats(B));
  }
  // One frame a millisecond; advance in uneven steps like audio buffers.
  void Run(int64_t until) {
    while (sink.now < until) sequencer.Advance(std::min<int64_t>(23, until - sink.now), sink);
  }
  MusicSequencer sequencer{1000};
  Recorder sink;
};

TEST_F(Sequencer, ChangeRequestedMidMeasureStartsAtTheNextBarLine) {
  sequencer.Start(0, 65025);
  Run(2700);
  sequencer.Request(1, 65025);
  EXPECT_EQ(sequencer.FramesUntilNextBar(), 1300);
  Run(6000);
  // A's beats 0..5 (up to 2.5 s), then B from the bar line at 4 s.
  EXPECT_EQ(sink.notes[5], (NoteOn{2500, A}));
  EXPECT_EQ(sink.notes[6], (NoteOn{3000, A}));
  EXPECT_EQ(sink.notes[7], (NoteOn{3500, A}));
  EXPECT_EQ(sink.notes[8], (NoteOn{4000, B}));
  EXPECT_EQ(sink.changes, (std::vector<int64_t>{4000}));
  EXPECT_EQ(sequencer.Playing(), 1);
}

TEST_F(Sequencer, ChangeWaitsOnlyForTheNextBarNotThePieceEnd) {
  sequencer.Start(0, 65025);
  Run(700);
  sequencer.Request(1, 65025);
  Run(2500);
  EXPECT_EQ(sink.KeysFrom(1000), (std::vector<int>{A, A, B, B}));  // 1.0, 1.5 s of A; 2.0, 2.5 s of B
  EXPECT_EQ(sink.notes[4], (NoteOn{2000, B}));
}

TEST_F(Sequencer, LaterRequestReplacesAWaitingOne) {
  sequencer.Start(0, 65025);
  Run(500);
  sequencer.Request(1, 65025);
  Run(1200);
  sequencer.Request(0, 65025);  // changes its mind before the bar line
  Run(2600);
  EXPECT_EQ(sink.KeysFrom(0), (std::vector<int>(6, A)));
  EXPECT_EQ(sink.changes, (std::vector<int64_t>{2000}));  // A restarts at the bar
  Run(4100);
  EXPECT_EQ(sink.notes.back(), (NoteOn{4000, A})) << "the restarted A plays on to its own end";
}

TEST_F(Sequencer, RequestingThePiecePlayingRestartsItAtTheNextBar) {
  sequencer.Start(0, 65025);
  Run(2300);
  sequencer.Request(0, 65025);
  Run(4600);
  // Asked for inside the second bar: A starts over at 4.0 s as a change, not as a loop.
  EXPECT_EQ(sink.changes, (std::vector<int64_t>{4000}));
  EXPECT_TRUE(sink.loops.empty());
  EXPECT_EQ(sink.notes.back(), (NoteOn{4500, A}));
}

TEST_F(Sequencer, RequestAtTheStartOfABarTakesItAtOnce) {
  sequencer.Start(0, 65025);
  Run(2000);
  EXPECT_EQ(sequencer.FramesUntilNextBar(), 0);
  sequencer.Request(1, 65025);
  Run(2001);
  EXPECT_EQ(sink.notes.back(), (NoteOn{2000, B}));
}

TEST_F(Sequencer, LoopsWithoutAGapAndStopsAfterItsRepeats) {
  sequencer.Start(0, 2);
  Run(14000);
  ASSERT_EQ(sink.notes.size(), 24u) << "three plays of eight beats";
  for (size_t i = 0; i < sink.notes.size(); ++i) EXPECT_EQ(sink.notes[i].frame, 500 * static_cast<int64_t>(i));
  EXPECT_EQ(sink.loops, (std::vector<int64_t>{4000, 8000}));
  EXPECT_EQ(sequencer.Playing(), -1);
}

TEST_F(Sequencer, RequestWhileSilentStartsAtOnce) {
  Run(300);
  sequencer.Request(1, 1);
  Run(301);
  EXPECT_EQ(sink.notes, (std::vector<NoteOn>{{300, B}}));
}

TEST_F(Sequencer, StopSilencesAtOnceAndForgetsAWaitingChange) {
  sequencer.Start(0, 65025);
  Run(700);
  sequencer.Request(1, 65025);
  sequencer.Stop(sink);
  Run(5000);
  EXPECT_EQ(sink.hushes, (std::vector<int64_t>{700}));
  EXPECT_EQ(sink.notes.size(), 2u);
}

TEST(HeadlessMusic, ReportsWhenEachChangeTakesEffect) {
  platform::Headless headless;
  headless.Install();
  platform::HeadlessMusic& music = headless.music;
  ASSERT_EQ(music.Open(), platform::MusicOpenResult::Ok);
  music.Load(0, Beats(A));
  music.Load(1, Beats(B));
  headless.host.tick = 100;
  music.Start(0, 65025);
  headless.host.tick = 2900;
  music.Change(1, 65025);
  headless.host.tick = 3000;
  music.Change(0, 65025);
  headless.host.tick = 4100;
  EXPECT_EQ(music.Playing(), 0);
  headless.host.tick = 5000;
  music.Change(1, 65025);

  ASSERT_EQ(music.changes.size(), 4u);
  EXPECT_EQ(music.changes[0].takesEffectAt, 100u);
  EXPECT_TRUE(music.changes[0].immediate);
  EXPECT_EQ(music.changes[1].takesEffectAt, 4100u);
  EXPECT_TRUE(music.changes[1].replaced);
  EXPECT_EQ(music.changes[2].takesEffectAt, 4100u);
  EXPECT_FALSE(music.changes[2].replaced);
  EXPECT_EQ(music.changes[3].takesEffectAt, 6100u);  // A restarted at 4.1 s, its bar ends at 6.1 s
}

}  // namespace
