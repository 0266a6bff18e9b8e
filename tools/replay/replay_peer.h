// The replay runner as one side of a network session: it connects, agrees
// with the other side, then runs its frames in step with it and ends
// together with it after the last frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "net/lockstep_frames.h"
#include "net/session.h"
#include "tools/replay/replay_options.h"

class ReplayPeer {
 public:
  explicit ReplayPeer(const ReplayOptions& options);
  ~ReplayPeer();

  // Listens or joins and waits, within bounds, until the two sides agree;
  // false with the reason otherwise.
  bool Connect(std::string& error);
  int64_t CalendarStart() const { return session_->CalendarStart(); }
  // Sends the samples of the first frames, sampleOf(1) to sampleOf(delay),
  // and runs the frames from here on in step with the other side. A joiner's
  // keys all drive player 2 from now on.
  void Begin(const std::function<InputSample(uint32_t frame)>& sampleOf);
  bool Ended() const { return frames_ && frames_->Ended(); }
  // After the last frame has run: waits, within bounds, until the other side
  // has run it too; false with the reason otherwise.
  bool Finish(std::string& error);
  // Why the session ended early.
  std::string EndText() const { return session_->EndText(); }

 private:
  uint32_t Now() const;

  const ReplayOptions& options_;
  uint64_t startedAt_;
  std::unique_ptr<net::Session> session_;
  std::optional<net::LockstepFrames> frames_;
};
