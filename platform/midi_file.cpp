#include "platform/midi_file.h"

#include <algorithm>
#include <cstring>

#include "platform/regular_file.h"

namespace platform {

namespace {

constexpr uint32_t DefaultMicrosPerQuarter = 500000;  // 120 beats a minute
constexpr size_t MaxBarLines = 1000000;
// Hours of dense music; more would only take memory (each event is copied
// into the sequencer too).
constexpr size_t MaxEvents = 1000000;

struct TempoChange {
  int64_t tick;
  uint32_t microsPerQuarter;
};

struct MeterChange {
  int64_t tick;
  int numerator;
  int denominatorPower;
};

// A long file holds millions of events; each is kept once, with its tick in
// `seconds` (exact in a double) until the tempo map can time it.
struct ParsedTracks {
  std::vector<MidiEvent> events;
  std::vector<TempoChange> tempos;
  std::vector<MeterChange> meters;
  int64_t endTick = 0;
};

// Reads big-endian numbers and variable-length quantities within [pos, end).
class Reader {
 public:
  Reader(const uint8_t* bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {}

  bool AtEnd() const { return pos_ >= end_; }
  size_t Position() const { return pos_; }

  bool Byte(uint8_t& value) {
    if (pos_ >= end_) return false;
    value = bytes_[pos_++];
    return true;
  }

  bool BigEndian(int count, uint32_t& value) {
    if (end_ - pos_ < static_cast<size_t>(count)) return false;
    value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes_[pos_++];
    return true;
  }

  bool Quantity(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b;
      if (!Byte(b)) return false;
      value = (value << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return true;
    }
    return false;
  }

  bool Skip(uint32_t count, const uint8_t*& start) {
    if (end_ - pos_ < count) return false;
    start = bytes_ + pos_;
    pos_ += count;
    return true;
  }

 private:
  const uint8_t* bytes_;
  size_t pos_;
  size_t end_;
};

bool ReadMetaEvent(Reader& track, int64_t tick, ParsedTracks& out, bool& endOfTrack) {
  uint8_t type;
  uint32_t length;
  const uint8_t* data;
  if (!track.Byte(type) || !track.Quantity(length) || !track.Skip(length, data)) return false;
  if (type == 0x2F) endOfTrack = true;
  if (type == 0x51 && length >= 3) {
    const uint32_t micros = (data[0] << 16) | (data[1] << 8) | data[2];
    if (micros > 0) out.tempos.push_back(TempoChange{tick, micros});
  }
  if (type == 0x58 && length >= 2 && data[0] > 0 && data[1] < 16) {
    out.meters.push_back(MeterChange{tick, data[0], data[1]});
  }
  return true;
}

bool ReadTrack(Reader track, ParsedTracks& out) {
  int64_t tick = 0;
  uint8_t runningStatus = 0;
  bool endOfTrack = false;
  while (!track.AtEnd() && !endOfTrack) {
    uint32_t delta;
    uint8_t status;
    if (!track.Quantity(delta) || !track.Byte(status)) return false;
    tick += delta;
    if (status == 0xFF) {
      if (!ReadMetaEvent(track, tick, out, endOfTrack)) return false;
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      uint32_t length;
      const uint8_t* data;
      if (!track.Quantity(length) || !track.Skip(length, data)) return false;
      runningStatus = 0;
      continue;
    }
    if (status > 0xF0) return false;
    MidiEvent event;
    uint8_t first;
    if (status & 0x80) {
      runningStatus = status;
      if (!track.Byte(first)) return false;
    } else {
      if (runningStatus == 0) return false;
      first = status;
    }
    event.status = runningStatus;
    event.data1 = first;
    const uint8_t kind = runningStatus & 0xF0;
    if (kind != 0xC0 && kind != 0xD0 && !track.Byte(event.data2)) return false;
    if ((event.data1 | event.data2) & 0x80) return false;
    event.seconds = static_cast<double>(tick);
    if (out.events.size() == MaxEvents) return false;
    out.events.push_back(event);
  }
  out.endTick = std::max(out.endTick, tick);
  return true;
}

// Turns ticks into seconds through the tempo changes (sorted by tick).
class TempoMap {
 public:
  TempoMap(std::vector<TempoChange> changes, int division) : division_(division) {
    std::stable_sort(changes.begin(), changes.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    int64_t tick = 0;
    double seconds = 0;
    uint32_t micros = DefaultMicrosPerQuarter;
    segments_.push_back(Segment{0, 0, micros});
    for (const TempoChange& change : changes) {
      seconds += SecondsFor(change.tick - tick, micros);
      tick = change.tick;
      micros = change.microsPerQuarter;
      segments_.push_back(Segment{tick, seconds, micros});
    }
  }

  double Seconds(int64_t tick) const {
    auto after = std::upper_bound(segments_.begin(), segments_.end(), tick,
                                  [](int64_t t, const Segment& s) { return t < s.tick; });
    const Segment& s = *(after - 1);
    return s.seconds + SecondsFor(tick - s.tick, s.microsPerQuarter);
  }

 private:
  struct Segment {
    int64_t tick;
    double seconds;
    uint32_t microsPerQuarter;
  };

  double SecondsFor(int64_t ticks, uint32_t micros) const {
    return static_cast<double>(ticks) * micros / (1e6 * division_);
  }

  int division_;
  std::vector<Segment> segments_;
};

int64_t MeasureTicks(const MeterChange& meter, int division) {
  const int64_t ticks = (static_cast<int64_t>(meter.numerator) * 4 * division) >> meter.denominatorPower;
  return std::max<int64_t>(ticks, 1);
}

// Bar lines from 0 up to the end; a meter change starts a new measure where it stands.
bool MarkBarLines(ParsedTracks& tracks, int division, int64_t& lengthTick, std::vector<int64_t>& bars) {
  std::stable_sort(tracks.meters.begin(), tracks.meters.end(),
                   [](const MeterChange& a, const MeterChange& b) { return a.tick < b.tick; });
  MeterChange meter{0, 4, 2};
  size_t nextMeter = 0;
  while (nextMeter < tracks.meters.size() && tracks.meters[nextMeter].tick == 0) meter = tracks.meters[nextMeter++];
  lengthTick = std::max(lengthTick, MeasureTicks(meter, division));
  int64_t tick = 0;
  while (tick < lengthTick) {
    if (bars.size() == MaxBarLines) return false;
    bars.push_back(tick);
    while (nextMeter < tracks.meters.size() && tracks.meters[nextMeter].tick <= tick) {
      meter = tracks.meters[nextMeter++];
    }
    int64_t next = tick + MeasureTicks(meter, division);
    if (nextMeter < tracks.meters.size()) next = std::min(next, tracks.meters[nextMeter].tick);
    tick = next;
  }
  return true;
}

}  // namespace

bool ParseMidiFile(const uint8_t* bytes, size_t size, MidiSong& song) {
  Reader file(bytes, 0, size);
  const uint8_t* id;
  uint32_t headerLength, format, trackCount, division;
  if (!file.Skip(4, id) || std::memcmp(id, "MThd", 4) != 0) return false;
  if (!file.BigEndian(4, headerLength) || headerLength < 6) return false;
  const size_t headerEnd = file.Position() + headerLength;
  if (!file.BigEndian(2, format) || !file.BigEndian(2, trackCount) || !file.BigEndian(2, division)) return false;
  if (format > 1 || trackCount == 0 || division == 0 || (division & 0x8000)) return false;
  if (headerEnd > size) return false;
  Reader chunks(bytes, headerEnd, size);

  ParsedTracks tracks;
  for (uint32_t found = 0; found < trackCount;) {
    uint32_t length;
    const uint8_t* body;
    if (!chunks.Skip(4, id) || !chunks.BigEndian(4, length)) return false;
    const size_t begin = chunks.Position();
    if (!chunks.Skip(length, body)) return false;
    if (std::memcmp(id, "MTrk", 4) != 0) continue;
    if (!ReadTrack(Reader(bytes, begin, begin + length), tracks)) return false;
    ++found;
  }

  int64_t lengthTick = tracks.endTick;
  std::vector<int64_t> bars;
  if (!MarkBarLines(tracks, static_cast<int>(division), lengthTick, bars)) return false;

  const TempoMap tempo(tracks.tempos, static_cast<int>(division));
  const auto byTick = [](const MidiEvent& a, const MidiEvent& b) { return a.seconds < b.seconds; };
  if (!std::is_sorted(tracks.events.begin(), tracks.events.end(), byTick)) {
    std::stable_sort(tracks.events.begin(), tracks.events.end(), byTick);
  }
  for (MidiEvent& event : tracks.events) event.seconds = tempo.Seconds(static_cast<int64_t>(event.seconds));
  song.events = std::move(tracks.events);
  song.barLines.clear();
  for (int64_t bar : bars) song.barLines.push_back(tempo.Seconds(bar));
  song.length = tempo.Seconds(lengthTick);
  return true;
}

bool ReadMidiFile(const std::string& path, MidiSong& song) {
  std::vector<uint8_t> bytes;
  if (ReadRegularFile(path.c_str(), MaxMidiFileBytes, bytes) != FileReadResult::Ok) return false;
  return ParseMidiFile(bytes.data(), bytes.size(), song);
}

}  // namespace platform
