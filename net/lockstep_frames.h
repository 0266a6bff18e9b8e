// The game's frames run in step with the other side of a session. At the end
// of each frame this side's input sample goes out for the frame the input
// delay ahead, the state hash is reported, and the frame's merged sample,
// once both sides' samples for it are in, is the one the game applies. The
// rules' clocks come from the frame number: tick 16 x (F - 1), calendar the
// session's start plus whole seconds of that tick.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "input/input.h"
#include "net/session.h"

namespace net {

// How long one wait for the other side's sample lasts before the session's
// time limits, or the window, are looked at again.
constexpr uint32_t StallWaitMs = 2;

class LockstepFrames {
 public:
  // clockMs: the millisecond clock the session is pumped with.
  LockstepFrames(Session& session, std::function<uint32_t()> clockMs);
  // Takes the input sample's replacement and the logic clock's source away.
  ~LockstepFrames();
  LockstepFrames(const LockstepFrames&) = delete;
  LockstepFrames& operator=(const LockstepFrames&) = delete;

  // Sends the samples of the first frames (as many as the input delay, one
  // per frame) and takes over the input sample and the logic clock.
  void Begin(const std::vector<InputSample>& leadIn);

  // The frames run to their end so far.
  uint32_t FramesRun() const { return frame_ - 1; }
  // True once the session has ended (a frame then gets an empty sample).
  bool Ended() const { return session_.State() == SessionState::Ended; }
  // Whether the next frame can run without waiting: both samples it ends
  // with are in, or the session has ended.
  bool Due() const { return Ended() || session_.HoldsInputs(frame_); }
  // Waits a moment for the other side, taking in what it sent.
  void AwaitOtherSide() { session_.Pump(clockMs_(), StallWaitMs); }

 private:
  InputSample EndOfFrame(const InputSample& taken);
  uint32_t FrameTick() const;

  Session& session_;
  std::function<uint32_t()> clockMs_;
  uint32_t frame_ = 1;  // the frame running
};

// The samples that lead a side into its session: nothing held, for each of
// the first inputDelay frames.
std::vector<InputSample> NothingHeldLeadIn(int inputDelay);

}  // namespace net
