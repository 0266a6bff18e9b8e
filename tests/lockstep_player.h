// A side of a network session run the way the game runs it, for tests: the
// first samples go out at once, then each frame, once both samples for it
// are in, sends the sample the input delay ahead and reports a state hash.
#pragma once

#include <functional>
#include <vector>

#include "net/session.h"

namespace fixture {

constexpr int Host = 0, Joiner = 1;

// A sample that differs from frame to frame and from side to side.
inline InputSample SampleOf(int side, uint32_t frame) {
  InputSample sample;
  sample.keyDirections = static_cast<uint8_t>((frame + side) % 16);
  sample.keyButton = static_cast<uint8_t>((frame / 3 + side) % 3);
  sample.joyDirections = static_cast<uint8_t>((frame * 7 + side) % 16);
  sample.joyButtons = frame * 2654435761u + side;
  sample.joystickPresent = side;
  sample.pauseRequested = (frame + side) % 50 == 0;
  return sample;
}

struct Player {
  Player() = default;
  Player(net::Session* playing, int playerSide, uint32_t inputDelay)
      : session(playing), side(playerSide), delay(inputDelay) {}

  net::Session* session = nullptr;
  int side = Host;
  uint32_t delay = 3;
  uint32_t ran = 0;
  std::vector<InputSample> merged;
  std::function<uint64_t(uint32_t)> hashOf = [](uint32_t frame) { return frame * 31ull; };
  std::function<InputSample(uint32_t)> sampleOf;  // SampleOf(side, frame) when empty

  void Begin() {
    for (uint32_t frame = 1; frame <= delay; ++frame) session->SendInput(Sample(frame));
  }
  bool Step() {
    if (!session->HoldsInputs(ran + 1)) return false;
    ++ran;
    merged.push_back(session->MergedInput(ran));
    session->SendInput(Sample(ran + delay));
    session->FrameRun(ran, hashOf(ran));
    return true;
  }
  InputSample Sample(uint32_t frame) const { return sampleOf ? sampleOf(frame) : SampleOf(side, frame); }
};

}  // namespace fixture
