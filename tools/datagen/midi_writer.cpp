#include "tools/datagen/midi_writer.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

constexpr uint8_t MetaPrefix = 0xFF;
constexpr uint8_t MetaTrackName = 0x03;
constexpr uint8_t MetaEndOfTrack = 0x2F;
constexpr uint8_t MetaTempo = 0x51;
constexpr uint8_t MetaTimeSignature = 0x58;
constexpr uint8_t NoteOffStatus = 0x80;
constexpr uint8_t NoteOnStatus = 0x90;
constexpr uint8_t ControllerStatus = 0xB0;
constexpr uint8_t ProgramStatus = 0xC0;
constexpr uint8_t ReleaseVelocity = 64;

void PutVariableLength(ByteWriter& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.PutU8(groups[--count] | 0x80);
  out.PutU8(groups[0]);
}

// A meta event: its type, the length of its data, the data.
Bytes MetaEvent(uint8_t type, const Bytes& data) {
  ByteWriter out;
  out.PutU8(MetaPrefix);
  out.PutU8(type);
  PutVariableLength(out, static_cast<uint32_t>(data.size()));
  out.PutBytes(data);
  return out.bytes();
}

uint8_t DataByte(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 127)); }
uint8_t Status(uint8_t kind, int channel) { return kind | static_cast<uint8_t>(channel & 0x0F); }

}  // namespace

MidiTrack::MidiTrack(std::string_view name) {
  Add(0, Order::Meta, MetaEvent(MetaTrackName, Bytes(name.begin(), name.end())));
}

void MidiTrack::Tempo(uint32_t tick, double beatsPerMinute) {
  const auto microsecondsPerBeat = static_cast<uint32_t>(std::lround(60000000.0 / beatsPerMinute));
  const Bytes bigEndian = {static_cast<uint8_t>(microsecondsPerBeat >> 16),
                           static_cast<uint8_t>(microsecondsPerBeat >> 8), static_cast<uint8_t>(microsecondsPerBeat)};
  Add(tick, Order::Meta, MetaEvent(MetaTempo, bigEndian));
}

void MidiTrack::TimeSignature(uint32_t tick, int beatsPerBar, int beatUnit) {
  const auto unitPower = static_cast<uint8_t>(std::countr_zero(static_cast<unsigned>(beatUnit)));
  constexpr uint8_t clocksPerClick = 24;
  constexpr uint8_t thirtySecondsPerQuarter = 8;
  const Bytes fields = {static_cast<uint8_t>(beatsPerBar), unitPower, clocksPerClick, thirtySecondsPerQuarter};
  Add(tick, Order::Meta, MetaEvent(MetaTimeSignature, fields));
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  Add(tick, Order::Program, {Status(ProgramStatus, channel), DataByte(program)});
}

void MidiTrack::Controller(uint32_t tick, int channel, int controller, int value) {
  Add(tick, Order::Controller, {Status(ControllerStatus, channel), DataByte(controller), DataByte(value)});
}

void MidiTrack::Note(uint32_t tick, int channel, int key, int velocity, uint32_t length) {
  Add(tick, Order::NoteOn, {Status(NoteOnStatus, channel), DataByte(key), DataByte(std::max(velocity, 1))});
  Add(tick + length, Order::NoteOff, {Status(NoteOffStatus, channel), DataByte(key), ReleaseVelocity});
}

void MidiTrack::Add(uint32_t tick, Order order, Bytes data) { events_.push_back({tick, order, std::move(data)}); }

Bytes MidiTrack::Encode(uint32_t endTick) const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  ByteWriter body;
  uint32_t now = 0;
  for (const Event& event : sorted) {
    PutVariableLength(body, event.tick - now);
    body.PutBytes(event.data);
    now = event.tick;
  }
  // An event past the end would make a negative delta; the end then moves to
  // it, and the measure checks of the tests catch the longer piece.
  PutVariableLength(body, std::max(endTick, now) - now);
  body.PutBytes(MetaEvent(MetaEndOfTrack, {}));

  ByteWriter chunk;
  chunk.PutText("MTrk");
  chunk.PutU32BE(static_cast<uint32_t>(body.bytes().size()));
  chunk.PutBytes(body.bytes());
  return chunk.bytes();
}

Bytes EncodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t ticksPerQuarter, uint32_t endTick) {
  ByteWriter file;
  file.PutText("MThd");
  file.PutU32BE(6);
  file.PutU16BE(1);  // format 1: simultaneous tracks
  file.PutU16BE(static_cast<uint16_t>(tracks.size()));
  file.PutU16BE(ticksPerQuarter);
  for (const MidiTrack& track : tracks) file.PutBytes(track.Encode(endTick));
  return file.bytes();
}
