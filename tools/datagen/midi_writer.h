// Standard MIDI File encoding: tracks of timed events, written as a format 1 file.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/datagen/byte_writer.h"

constexpr int DrumChannel = 9;  // the General MIDI percussion channel, "channel 10"

class MidiTrack {
 public:
  explicit MidiTrack(std::string_view name);

  void Tempo(uint32_t tick, double beatsPerMinute);
  void TimeSignature(uint32_t tick, int beatsPerBar, int beatUnit);
  void Program(uint32_t tick, int channel, int program);
  void Controller(uint32_t tick, int channel, int controller, int value);
  void Note(uint32_t tick, int channel, int key, int velocity, uint32_t length);

  // The MTrk chunk, closed by an end-of-track event at endTick.
  Bytes Encode(uint32_t endTick) const;

 private:
  // Events at the same tick go out in this order: a note ending never cuts
  // off a note starting at the same time, and settings come before notes.
  enum class Order { NoteOff, Meta, Program, Controller, NoteOn };
  struct Event {
    uint32_t tick;
    Order order;
    Bytes data;
  };
  void Add(uint32_t tick, Order order, Bytes data);

  std::vector<Event> events_;
};

// A format 1 file of the given tracks, all ending at endTick.
Bytes EncodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t ticksPerQuarter, uint32_t endTick);
