#include "tools/datagen/score.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace score {
namespace {

constexpr uint32_t DrumHitTicks = TicksPerStep / 2;

// Splits text at blanks.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < text.size()) {
    const size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

int ParseCount(std::string_view digits, std::string_view context) {
  if (digits.empty() || digits.size() > 2) throw std::invalid_argument("bad number in " + std::string(context));
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') throw std::invalid_argument("bad number in " + std::string(context));
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

int NoteNumber(std::string_view name) {
  constexpr int letterSemitones[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (name.empty() || name[0] < 'a' || name[0] > 'g') throw std::invalid_argument("bad note " + std::string(name));
  int semitone = letterSemitones[name[0] - 'a'];
  size_t at = 1;
  if (at < name.size() && name[at] == '#') {
    ++semitone;
    ++at;
  } else if (at < name.size() && name[at] == 'b') {
    --semitone;
    ++at;
  }
  const int octave = ParseCount(name.substr(at), name);
  return (octave + 1) * 12 + semitone;
}

void PlaceBar(MidiTrack& track, int channel, int bar, std::string_view line, int velocity, double legato) {
  int step = 0;
  for (std::string_view word : Words(line)) {
    const size_t colon = word.find(':');
    if (colon == std::string_view::npos) throw std::invalid_argument("no length in " + std::string(word));
    const int steps = ParseCount(word.substr(colon + 1), word);
    const std::string_view pitch = word.substr(0, colon);
    if (pitch != "r") {
      const auto length = static_cast<uint32_t>(std::lround(steps * TicksPerStep * legato));
      track.Note(BarTick(bar) + static_cast<uint32_t>(step) * TicksPerStep, channel, NoteNumber(pitch), velocity,
                 length);
    }
    step += steps;
  }
  if (step != StepsPerBar) {
    throw std::invalid_argument("bar of " + std::to_string(step) + " steps: " + std::string(line));
  }
}

Chord MakeChord(std::string_view bass, std::string_view voicing) {
  Chord chord{NoteNumber(bass), {}};
  for (std::string_view word : Words(voicing)) chord.voicing.push_back(NoteNumber(word));
  return chord;
}

void PlaceDrumBar(MidiTrack& track, int bar, int key, std::string_view steps, double level) {
  if (steps.size() != StepsPerBar) throw std::invalid_argument("drum bar " + std::string(steps));
  for (int step = 0; step < StepsPerBar; ++step) {
    int velocity = 0;
    switch (steps[step]) {
      case 'X': velocity = 118; break;
      case 'x': velocity = 92; break;
      case 'o': velocity = 60; break;
      case '.': continue;
      default: throw std::invalid_argument("drum bar " + std::string(steps));
    }
    track.Note(BarTick(bar) + static_cast<uint32_t>(step) * TicksPerStep, DrumChannel, key,
               static_cast<int>(std::lround(velocity * level)), DrumHitTicks);
  }
}

MidiTrack ConductorTrack(std::string_view name, double beatsPerMinute) {
  MidiTrack track(name);
  track.Tempo(0, beatsPerMinute);
  track.TimeSignature(0, BeatsPerBar, 4);
  return track;
}

MidiTrack InstrumentTrack(const Instrument& instrument) {
  constexpr int volumeController = 7;
  constexpr int panController = 10;
  constexpr int reverbController = 91;
  MidiTrack track(instrument.name);
  track.Program(0, instrument.channel, instrument.program);
  track.Controller(0, instrument.channel, volumeController, instrument.volume);
  track.Controller(0, instrument.channel, panController, instrument.pan);
  track.Controller(0, instrument.channel, reverbController, instrument.reverb);
  return track;
}

}  // namespace score
