// The lockstep of a network session: each side sends its input sample for a
// frame ahead of time, and a frame runs once both samples for it are held.
// Every HashInterval frames the two sides' state hashes are compared.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "input/input.h"
#include "net/defaults.h"
#include "recording/recording.h"

namespace net {

enum class Role : uint8_t { Host, Joiner };

constexpr uint32_t HashInterval = StateCheckInterval;  // as a recording checks its states

// One frame's input in a session: the host's keys make player 1's key values,
// the joiner's controls player 2's joystick values. Either side's pause
// request pauses or resumes the game.
InputSample MergeSamples(const InputSample& host, const InputSample& joiner);

class Lockstep {
 public:
  explicit Lockstep(Role role) : role_(role) {}

  // The frame this side's next sample is for: 1, 2, 3...
  uint32_t NextLocalFrame() const { return localBase_ + static_cast<uint32_t>(local_.size()); }
  void PutLocal(const InputSample& sample) { local_.push_back(sample); }

  // The other side's sample. It must be for the frame next in turn, and not
  // beyond what the other side can have reached with the samples sent to it
  // (it cannot run past them, nor send more than MaxInputDelay ahead); nor
  // may it leave a state hash owed. False with the fault in why otherwise.
  bool PutRemote(uint32_t frame, const InputSample& sample, std::string& why);

  bool Holds(uint32_t frame) const;
  // The merged sample of a held frame; the samples of earlier frames are let go.
  InputSample Merged(uint32_t frame);

  // Whether the state after this frame is to be compared with the other side.
  static bool HashDue(uint32_t frame) { return frame % HashInterval == 0; }
  // This side's hash of a due frame, once that frame has run.
  void PutLocalHash(uint32_t frame, uint64_t hash);
  // The other side's hash; due frames come in turn. False with why otherwise.
  bool PutRemoteHash(uint32_t frame, uint64_t hash, std::string& why);
  // The first frame after which the two states differed; 0 while none did.
  uint32_t ApartAt() const { return apartAt_; }

 private:
  void Compare();

  Role role_;
  std::deque<InputSample> local_;   // from frame localBase_ on
  std::deque<InputSample> remote_;  // from frame remoteBase_ on
  uint32_t localBase_ = 1;
  uint32_t remoteBase_ = 1;
  uint32_t localHashFrame_ = 0;   // the latest due frame run here, 0 before the first
  uint64_t localHash_ = 0;
  uint32_t remoteHashFrame_ = 0;  // the latest due frame the other side reported
  uint64_t remoteHash_ = 0;
  uint32_t apartAt_ = 0;
};

}  // namespace net
