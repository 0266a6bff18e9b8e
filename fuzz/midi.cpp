// The MIDI reader on any bytes, then the sequencer playing what it accepts:
// through its loops and a change that waits for a bar line.
#include <cmath>

#include "fuzz/require.h"
#include "platform/midi_file.h"
#include "platform/music_sequencer.h"

namespace {

constexpr int FramesPerSecond = 44100;
constexpr int64_t Step = 4096;  // frames per Advance, as an audio callback asks
constexpr int Steps = 16;

class CountingSink : public platform::MusicSink {
 public:
  void Render(int64_t frames) override {
    Require(frames > 0);
    rendered += frames;
  }
  void Send(const platform::MidiEvent& event) override { Require(event.status >= 0x80 && event.status < 0xF0); }
  void EndNotes(bool) override {}
  void Hush() override {}
  int64_t rendered = 0;
};

void CheckSong(const platform::MidiSong& song) {
  Require(std::isfinite(song.length) && song.length > 0);
  Require(!song.barLines.empty() && song.barLines.front() == 0);
  for (size_t i = 1; i < song.barLines.size(); ++i) Require(song.barLines[i - 1] <= song.barLines[i]);
  Require(song.barLines.back() < song.length);
  for (size_t i = 1; i < song.events.size(); ++i) Require(song.events[i - 1].seconds <= song.events[i].seconds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::MidiSong song;
  if (!platform::ParseMidiFile(data, size, song)) return 0;
  CheckSong(song);
  platform::MusicSequencer sequencer(FramesPerSecond);
  CountingSink sink;
  sequencer.Load(0, song);
  sequencer.Load(1, song);
  sequencer.Start(0, 2);
  for (int i = 0; i < Steps; ++i) {
    if (i == Steps / 2) sequencer.Request(1, 1);
    Require(sequencer.FramesUntilNextBar() >= 0);
    sequencer.Advance(Step, sink);
  }
  Require(sink.rendered == Step * Steps);
  sequencer.Stop(sink);
  return 0;
}
