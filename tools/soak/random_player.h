// A seeded random player for long unattended runs: the keyboard and the
// joystick each hold a random choice of inputs for a random number of
// frames, so that over time every menu item is chosen and every game is
// played to its end.
#pragma once

#include <cstdint>

#include "tools/replay/input_script.h"

class RandomPlayer : public InputSource {
 public:
  explicit RandomPlayer(uint64_t seed);
  bool UsesJoystick() const override { return true; }
  const HeldInput& HeldAt(uint32_t frame) override;

 private:
  uint32_t Next(uint32_t bound);
  void ChooseKeys();
  void ChooseJoystick();

  uint64_t state_;
  HeldInput held_ = NothingHeld();
  uint32_t keysUntil_ = 0;
  uint32_t joystickUntil_ = 0;
  uint32_t frame_ = 0;
};
