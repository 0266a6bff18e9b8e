// The joiner of a network game plays the right-hand well: its own player 1
// keys join its player 2 keys, so that every one of its controls gives player
// 2's joystick values and none gives player 1's.
#pragma once

#include "input/key_bindings.h"

namespace net {

KeyBindings JoinerKeyBindings(const KeyBindings& own);

}  // namespace net
