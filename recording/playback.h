// Plays a recording back through the input and clock hooks: the recorded
// start, then every frame's input sample and every clock value in their
// order, checking every frame's mark and the whole state wherever the
// recording checked it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "recording/recording.h"

class Playback {
 public:
  // Takes the input sample's replacement and the logic clock's source, and
  // keeps "scor" out of the game, until it goes away.
  explicit Playback(const Recording& recording);
  ~Playback();
  Playback(const Playback&) = delete;
  Playback& operator=(const Playback&) = delete;

  // Puts the recorded start in place and applies frame 1's sample; to be
  // called on the title before the first frame.
  void Begin();

  // Called at the end of every frame with its number; the sample of the
  // next frame is then being handed over.
  std::function<void(uint32_t frame)> afterFrame;

  uint32_t FramesPlayed() const { return played_; }
  bool Finished() const { return played_ >= recording_.frames; }
  // The first frame at which the game was seen to part from the recording, 0 while none.
  uint32_t DivergedAt() const { return divergedAt_; }
  // "the game differs from the recording at frame F: why"; empty while none.
  std::string DivergenceText() const;

 private:
  InputSample EndOfFrame();
  void CheckFrame();
  void Diverge(const std::string& why);

  const Recording& recording_;
  uint32_t played_ = 0;
  size_t nextInput_ = 0;  // the first recorded input not yet handed over
  size_t nextCheck_ = 0;
  size_t nextTick_ = 0;
  size_t nextSecond_ = 0;
  bool clockRanOut_ = false;
  int32_t lastScore_ = 0;  // the score at the end of the last frame away from the title
  InputSample current_;
  uint32_t divergedAt_ = 0;
  std::string divergence_;
};
