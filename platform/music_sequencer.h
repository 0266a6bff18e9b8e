// Plays the loaded pieces in sample frames: loops each over its whole length,
// counts its repeats, and makes a requested change at the next bar line of
// the piece playing. It knows nothing of the synthesiser; a MusicSink renders
// and receives the events.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/midi_file.h"

namespace platform {

class MusicSink {
 public:
  virtual ~MusicSink() = default;
  virtual void Render(int64_t frames) = 0;
  virtual void Send(const MidiEvent& event) = 0;
  // The piece ends or loops: release every note (and, on a change, reset the channels).
  virtual void EndNotes(bool resetChannels) = 0;
  // Stop at once: every voice silenced.
  virtual void Hush() = 0;
};

constexpr int MusicPieceSlots = 2;

class MusicSequencer {
 public:
  explicit MusicSequencer(int framesPerSecond) : rate_(framesPerSecond) {}

  void Load(int slot, const MidiSong& song);
  void Unload(int slot);
  // Starts the piece from its beginning at once.
  void Start(int slot, int repeats);
  // Asks for the piece at the next bar line; replaces a change still waiting.
  void Request(int slot, int repeats);
  void Stop(MusicSink& sink);
  // Lets frames of time pass: events are sent and audio rendered in order.
  void Advance(int64_t frames, MusicSink& sink);

  int Playing() const { return current_; }
  bool ChangePending() const { return pending_.slot >= 0; }
  // Frames from now until a waiting change (or a new request) would take effect.
  int64_t FramesUntilNextBar() const;

 private:
  struct Piece {
    std::vector<MidiEvent> events;
    std::vector<int64_t> eventFrames;
    std::vector<int64_t> barFrames;
    int64_t length = 0;
    bool loaded = false;
  };
  struct Choice {
    int slot = -1;
    int repeats = 0;
  };

  void Begin(const Choice& choice);
  void AtBoundary(MusicSink& sink);
  int64_t BoundaryFrame() const;
  int64_t NextBarFrame() const;

  int rate_;
  Piece pieces_[MusicPieceSlots];
  int current_ = -1;
  int repeatsLeft_ = 0;
  int64_t position_ = 0;
  size_t nextEvent_ = 0;
  Choice pending_;
};

}  // namespace platform
