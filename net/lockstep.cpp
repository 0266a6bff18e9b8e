#include "net/lockstep.h"

namespace net {

InputSample MergeSamples(const InputSample& host, const InputSample& joiner) {
  InputSample merged;
  merged.keyDirections = host.keyDirections;
  merged.keyButton = host.keyButton;
  merged.joyDirections = joiner.joyDirections;
  merged.joyButtons = joiner.joyButtons;
  merged.joystickPresent = 1;  // player 2 is always there
  merged.pauseRequested = host.pauseRequested || joiner.pauseRequested;
  return merged;
}

bool Lockstep::PutRemote(uint32_t frame, const InputSample& sample, std::string& why) {
  const uint32_t expected = remoteBase_ + static_cast<uint32_t>(remote_.size());
  const uint32_t lastSent = NextLocalFrame() - 1;
  if (frame != expected) {
    why = "input for frame " + std::to_string(frame) + " where frame " + std::to_string(expected) + " was next";
    return false;
  }
  if (frame > lastSent + MaxInputDelay) {
    why = "input for frame " + std::to_string(frame) + ", beyond reach of the inputs sent so far";
    return false;
  }
  if (frame > remoteHashFrame_ + HashInterval + MaxInputDelay) {
    why = "input for frame " + std::to_string(frame) + " before the state hash of frame " +
          std::to_string(remoteHashFrame_ + HashInterval);
    return false;
  }
  remote_.push_back(sample);
  return true;
}

bool Lockstep::Holds(uint32_t frame) const {
  return frame >= localBase_ && frame - localBase_ < local_.size() && frame >= remoteBase_ &&
         frame - remoteBase_ < remote_.size();
}

InputSample Lockstep::Merged(uint32_t frame) {
  while (localBase_ < frame && !local_.empty()) {
    local_.pop_front();
    ++localBase_;
  }
  while (remoteBase_ < frame && !remote_.empty()) {
    remote_.pop_front();
    ++remoteBase_;
  }
  const InputSample& mine = local_.front();
  const InputSample& theirs = remote_.front();
  return role_ == Role::Host ? MergeSamples(mine, theirs) : MergeSamples(theirs, mine);
}

void Lockstep::PutLocalHash(uint32_t frame, uint64_t hash) {
  localHashFrame_ = frame;
  localHash_ = hash;
  Compare();
}

bool Lockstep::PutRemoteHash(uint32_t frame, uint64_t hash, std::string& why) {
  const uint32_t expected = remoteHashFrame_ + HashInterval;
  if (frame != expected) {
    why = "state hash of frame " + std::to_string(frame) + " where frame " + std::to_string(expected) + " was next";
    return false;
  }
  if (frame > NextLocalFrame() - 1) {
    why = "state hash of frame " + std::to_string(frame) + ", beyond reach of the inputs sent so far";
    return false;
  }
  remoteHashFrame_ = frame;
  remoteHash_ = hash;
  Compare();
  return true;
}

// The hashes of one frame are compared once both are in; neither side can
// run a whole interval past a frame before the other's hash of it arrives.
void Lockstep::Compare() {
  if (apartAt_ == 0 && localHashFrame_ == remoteHashFrame_ && localHashFrame_ != 0 && localHash_ != remoteHash_) {
    apartAt_ = localHashFrame_;
  }
}

}  // namespace net
