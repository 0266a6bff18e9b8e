#include "platform/music_sequencer.h"

#include <algorithm>
#include <cmath>

namespace platform {

void MusicSequencer::Load(int slot, const MidiSong& song) {
  Piece& piece = pieces_[slot];
  auto frames = [this](double seconds) { return static_cast<int64_t>(std::llround(seconds * rate_)); };
  piece.events = song.events;
  piece.eventFrames.clear();
  for (const MidiEvent& event : song.events) piece.eventFrames.push_back(frames(event.seconds));
  piece.barFrames.clear();
  for (double bar : song.barLines) piece.barFrames.push_back(frames(bar));
  piece.length = std::max<int64_t>(frames(song.length), 1);
  piece.loaded = true;
}

void MusicSequencer::Unload(int slot) {
  if (current_ == slot) current_ = -1;
  if (pending_.slot == slot) pending_ = Choice{};
  pieces_[slot] = Piece{};
}

void MusicSequencer::Start(int slot, int repeats) {
  pending_ = Choice{};
  Begin(Choice{slot, repeats});
}

void MusicSequencer::Request(int slot, int repeats) {
  if (!pieces_[slot].loaded) return;
  pending_ = Choice{slot, repeats};
}

void MusicSequencer::Stop(MusicSink& sink) {
  pending_ = Choice{};
  current_ = -1;
  sink.Hush();
}

void MusicSequencer::Begin(const Choice& choice) {
  if (!pieces_[choice.slot].loaded) return;
  current_ = choice.slot;
  repeatsLeft_ = choice.repeats;
  position_ = 0;
  nextEvent_ = 0;
}

int64_t MusicSequencer::NextBarFrame() const {
  const Piece& piece = pieces_[current_];
  auto bar = std::lower_bound(piece.barFrames.begin(), piece.barFrames.end(), position_);
  return bar == piece.barFrames.end() ? piece.length : *bar;
}

// Where the piece playing next ends, loops or gives way to a requested one.
int64_t MusicSequencer::BoundaryFrame() const {
  return pending_.slot >= 0 ? NextBarFrame() : pieces_[current_].length;
}

int64_t MusicSequencer::FramesUntilNextBar() const {
  if (current_ < 0) return 0;
  return NextBarFrame() - position_;
}

void MusicSequencer::AtBoundary(MusicSink& sink) {
  if (pending_.slot >= 0) {
    sink.EndNotes(true);
    Begin(pending_);
    pending_ = Choice{};
  } else if (repeatsLeft_ > 0) {
    sink.EndNotes(false);
    --repeatsLeft_;
    position_ = 0;
    nextEvent_ = 0;
  } else {
    sink.EndNotes(true);
    current_ = -1;
  }
}

void MusicSequencer::Advance(int64_t frames, MusicSink& sink) {
  for (;;) {
    if (current_ < 0) {
      if (pending_.slot >= 0) {
        Begin(pending_);
        pending_ = Choice{};
        continue;
      }
      if (frames > 0) sink.Render(frames);
      return;
    }
    const Piece& piece = pieces_[current_];
    const int64_t boundary = BoundaryFrame();
    if (position_ >= boundary) {
      AtBoundary(sink);
      continue;
    }
    while (nextEvent_ < piece.events.size() && piece.eventFrames[nextEvent_] <= position_) {
      sink.Send(piece.events[nextEvent_++]);
    }
    if (frames == 0) return;
    int64_t until = boundary;
    if (nextEvent_ < piece.events.size()) until = std::min(until, piece.eventFrames[nextEvent_]);
    const int64_t step = std::min(until - position_, frames);
    sink.Render(step);
    position_ += step;
    frames -= step;
  }
}

}  // namespace platform
