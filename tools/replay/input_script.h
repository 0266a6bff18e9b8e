// The replay input script: one line per change of held input, "F KEYS".
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

// What the keyboard and the joystick report while a script line is in force.
struct HeldInput {
  std::bitset<platform::KeyCodeCount> keys;  // by key code
  platform::JoystickSample joystick;
  friend bool operator==(const HeldInput& a, const HeldInput& b) {
    return a.keys == b.keys && a.joystick.x == b.joystick.x && a.joystick.y == b.joystick.y &&
           a.joystick.buttons == b.joystick.buttons;
  }
};

// The key a script word stands for: player 1's first default key of an action
// ("left right up down z x pause"); false for any other word.
bool ScriptKey(const std::string& word, platform::KeyCode& key);

struct InputChange {
  uint32_t frame = 0;  // the first frame whose end-of-frame sampling sees this input
  HeldInput held;
};

struct InputScript {
  std::vector<InputChange> changes;  // in rising frame order
  bool usesJoystick = false;         // a joystick is plugged in when any line names one
};

// The stick at rest: both axes inside the neutral band.
HeldInput NothingHeld();

// Parses a whole script; on a fault returns false with a message naming the line.
bool ParseInputScript(const std::string& text, InputScript& script, std::string& error);

// Where a run's input comes from, frame by frame.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // Whether a joystick is plugged in for the whole run.
  virtual bool UsesJoystick() const = 0;
  // The input held for the sampling at the end of the given frame; frames must rise.
  virtual const HeldInput& HeldAt(uint32_t frame) = 0;
};

// Steps through the script's changes as the frames go by.
class InputPlayer : public InputSource {
 public:
  explicit InputPlayer(const InputScript& script) : script_(script) {}
  bool UsesJoystick() const override { return script_.usesJoystick; }
  const HeldInput& HeldAt(uint32_t frame) override;

 private:
  const InputScript& script_;
  size_t next_ = 0;
  HeldInput current_ = NothingHeld();
};

void ApplyHeldInput(const HeldInput& held, platform::HeadlessControls& controls);
