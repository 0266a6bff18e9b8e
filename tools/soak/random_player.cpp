#include "tools/soak/random_player.h"

namespace {

constexpr uint32_t LongestHold = 40;  // frames
// Down comes up most: pairs pushed down end games sooner, and the title
// menu is reached, moved and confirmed all the more often.
const char* const KeyWords[] = {"left", "right", "up", "down", "down", "down", "z", "x"};
const char* const JoystickWords[] = {"j:left", "j:right", "j:up", "j:down", "j:1", "j:2", "j:1 j:2"};
constexpr uint32_t KeyWordCount = sizeof KeyWords / sizeof *KeyWords;
constexpr uint32_t JoystickWordCount = sizeof JoystickWords / sizeof *JoystickWords;

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
std::string RandomPlayer::ChooseKeys() {
  if (Next(2) == 0) return "";
  std::string keys = KeyWords[Next(KeyWordCount)];
  if (Next(4) == 0) keys += std::string(" ") + KeyWords[Next(KeyWordCount)];
  return keys;
}

// The stick at rest half of the time; otherwise one direction or button.
std::string RandomPlayer::ChooseJoystick() { return Next(2) == 0 ? "" : JoystickWords[Next(JoystickWordCount)]; }

const HeldInput& RandomPlayer::HeldAt(uint32_t frame) {
  bool changed = false;
  for (; frame_ < frame; ++frame_) {
    if (frame_ >= keysUntil_) {
      keys_ = ChooseKeys();
      keysUntil_ = frame_ + 1 + Next(LongestHold);
      changed = true;
    }
    if (frame_ >= joystickUntil_) {
      joystick_ = ChooseJoystick();
      joystickUntil_ = frame_ + 1 + Next(LongestHold);
      changed = true;
    }
  }
  if (changed) {
    // Read as one script line, so the player holds exactly what a script would.
    const std::string words = keys_ + " " + joystick_;
    InputScript line;
    std::string error;
    const bool parsed = ParseInputScript("1 " + (words == " " ? std::string("-") : words), line, error);
    held_ = parsed ? line.changes.front().held : NothingHeld();
  }
  return held_;
}
