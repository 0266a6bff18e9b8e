// Keys by SDL's names for them: "Left", "Z", "Keypad 8", "Right Shift".
#pragma once

#include <string>

#include "platform/platform.h"

namespace platform {

// False for a name that is no key; letters' case does not matter.
bool KeyFromName(const std::string& name, KeyCode& key);
std::string KeyName(KeyCode key);

}  // namespace platform
