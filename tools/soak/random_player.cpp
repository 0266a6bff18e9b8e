#include "tools/soak/random_player.h"

namespace {

constexpr uint32_t LongestHold = 40;  // frames
constexpr uint32_t AxisLow = 0;
constexpr uint32_t AxisCentre = 32768;
constexpr uint32_t AxisHigh = 65535;

}  // namespace

RandomPlayer::RandomPlayer(uint64_t seed) : state_(seed) {}

// splitmix64, reduced to [0, bound): the same numbers on every machine.
uint32_t RandomPlayer::Next(uint32_t bound) {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) % bound);
}

// Nothing held half of the time; otherwise one key, now and then two.
void RandomPlayer::ChooseKeys() {
  for (bool& key : held_.keys) key = false;
  if (Next(2) == 0) return;
  held_.keys[Next(6)] = true;
  if (Next(4) == 0) held_.keys[Next(6)] = true;
}

void RandomPlayer::ChooseJoystick() {
  platform::JoystickSample& stick = held_.joystick;
  stick = platform::JoystickSample{AxisCentre, AxisCentre, 0};
  switch (Next(8)) {
    case 0: stick.x = AxisLow; break;
    case 1: stick.x = AxisHigh; break;
    case 2: stick.y = AxisLow; break;
    case 3: stick.y = AxisHigh; break;
    case 4: stick.buttons = 1 + Next(3); break;
    default: break;  // at rest
  }
}

const HeldInput& RandomPlayer::HeldAt(uint32_t frame) {
  for (; frame_ < frame; ++frame_) {
    if (frame_ >= keysUntil_) {
      ChooseKeys();
      keysUntil_ = frame_ + 1 + Next(LongestHold);
    }
    if (frame_ >= joystickUntil_) {
      ChooseJoystick();
      joystickUntil_ = frame_ + 1 + Next(LongestHold);
    }
  }
  return held_;
}
