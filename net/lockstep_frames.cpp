#include "net/lockstep_frames.h"

#include <utility>

#include "input/sample_hooks.h"
#include "recording/state_hash.h"
#include "shell/clock.h"
#include "shell/logic_clock.h"

namespace net {

LockstepFrames::LockstepFrames(Session& session, std::function<uint32_t()> clockMs)
    : session_(session), clockMs_(std::move(clockMs)) {}

LockstepFrames::~LockstepFrames() {
  SetInputSampleReplacement(nullptr);
  SetLogicClockSource(LogicClockSource{});
  SetLogicClockMachineTicks(nullptr);
}

void LockstepFrames::Begin(const std::vector<InputSample>& leadIn) {
  for (const InputSample& sample : leadIn) session_.SendInput(sample);
  SetInputSampleReplacement([this](const InputSample& taken) { return EndOfFrame(taken); });
  SetLogicClockMachineTicks([this] { return FrameTick(); });
  SetLogicClockSource({nullptr, [this] { return session_.CalendarStart() + FrameTick() / 1000; }});
}

uint32_t LockstepFrames::FrameTick() const { return TickOfFrame(frame_); }

// This side's sample goes out once the frame's samples are both in, so
// that it is never further ahead of the other side's than the input delay.
// The wait is bounded: a silent other side ends the session after
// SilenceLimitMs.
InputSample LockstepFrames::EndOfFrame(const InputSample& taken) {
  while (!Due()) AwaitOtherSide();
  if (session_.State() != SessionState::Playing) return InputSample{};
  const InputSample merged = session_.MergedInput(frame_);
  session_.SendInput(taken);
  // The whole state is hashed only on the frames whose hash goes out.
  if (Lockstep::HashDue(frame_)) session_.FrameRun(frame_, GameStateHash());
  ++frame_;
  session_.Pump(clockMs_(), 0);
  return merged;
}

std::vector<InputSample> NothingHeldLeadIn(int inputDelay) {
  return std::vector<InputSample>(static_cast<size_t>(inputDelay));
}

}  // namespace net
