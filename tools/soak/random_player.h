// A seeded random player for long unattended runs: the keyboard and the
// joystick each hold a random choice of inputs for a random number of
// frames, so that over time every menu item is chosen and every game is
// played to its end. Its choices are words of the input script.
#pragma once

#include <cstdint>
#include <string>

#include "tools/replay/input_script.h"

class RandomPlayer : public InputSource {
 public:
  explicit RandomPlayer(uint64_t seed);
  bool UsesJoystick() const override { return true; }
  const HeldInput& HeldAt(uint32_t frame) override;

 private:
  uint32_t Next(uint32_t bound);
  std::string ChooseKeys();
  std::string ChooseJoystick();

  uint64_t state_;
  std::string keys_;
  std::string joystick_;
  HeldInput held_ = NothingHeld();
  uint32_t keysUntil_ = 0;
  uint32_t joystickUntil_ = 0;
  uint32_t frame_ = 0;
};
