// Real-time priorities for the two threads whose lateness is heard or seen.
// Where the system allows it (root, or a real-time allowance for the user)
// a busy machine cannot hold them back; elsewhere they keep their priority.
#pragma once

namespace platform {

// The mixing thread outranks the frame loop: a late buffer is a gap in the
// sound, a late frame only a frame shown a little late.
constexpr int MixingThreadPriority = 10;
constexpr int FrameLoopPriority = 5;
static_assert(MixingThreadPriority > FrameLoopPriority);

// Puts the calling thread on the round-robin real-time policy at this
// priority; processes it starts begin with the ordinary policy. Returns
// whether the system allowed it.
bool RaiseThisThread(int priority);

}  // namespace platform
