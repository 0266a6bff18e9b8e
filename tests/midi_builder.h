// Writes small one-track Standard MIDI Files for the music tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

class MidiBuilder {
 public:
  explicit MidiBuilder(int division = 480) : division_(division) {}

  MidiBuilder& Meter(int64_t tick, uint8_t numerator, uint8_t denominatorPower) {
    return Add(tick, {0xFF, 0x58, 0x04, numerator, denominatorPower, 24, 8});
  }
  MidiBuilder& Tempo(int64_t tick, uint32_t microsPerQuarter) {
    return Add(tick, {0xFF, 0x51, 0x03, static_cast<uint8_t>(microsPerQuarter >> 16),
                      static_cast<uint8_t>(microsPerQuarter >> 8), static_cast<uint8_t>(microsPerQuarter)});
  }
  MidiBuilder& Program(int64_t tick, uint8_t program, uint8_t channel = 0) {
    return Add(tick, {static_cast<uint8_t>(0xC0 | channel), program});
  }
  MidiBuilder& Note(int64_t tick, int64_t length, uint8_t key, uint8_t velocity = 110, uint8_t channel = 0) {
    Add(tick, {static_cast<uint8_t>(0x90 | channel), key, velocity});
    return Add(tick + length, {static_cast<uint8_t>(0x80 | channel), key, 0});
  }
  MidiBuilder& End(int64_t tick) {
    end_ = tick;
    return *this;
  }

  std::vector<uint8_t> Bytes() const {
    std::vector<Timed> events = events_;
    std::stable_sort(events.begin(), events.end(), [](const Timed& a, const Timed& b) { return a.tick < b.tick; });
    std::vector<uint8_t> track;
    int64_t at = 0;
    for (const Timed& e : events) {
      Quantity(track, e.tick - at);
      at = e.tick;
      track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    }
    Quantity(track, std::max<int64_t>(end_ - at, 0));
    for (uint8_t b : {0xFF, 0x2F, 0x00}) track.push_back(b);

    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1,
                                 static_cast<uint8_t>(division_ >> 8), static_cast<uint8_t>(division_),
                                 'M', 'T', 'r', 'k'};
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<uint8_t>(track.size() >> shift));
    file.insert(file.end(), track.begin(), track.end());
    return file;
  }

 private:
  struct Timed {
    int64_t tick;
    std::vector<uint8_t> bytes;
  };

  MidiBuilder& Add(int64_t tick, std::vector<uint8_t> bytes) {
    events_.push_back(Timed{tick, std::move(bytes)});
    return *this;
  }

  static void Quantity(std::vector<uint8_t>& out, int64_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
      groups[count++] = static_cast<uint8_t>(value & 0x7F);
      value >>= 7;
    } while (value > 0);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
  }

  int division_;
  int64_t end_ = 0;
  std::vector<Timed> events_;
};
