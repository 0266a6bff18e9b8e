#include "net/joiner_keys.h"

namespace net {

KeyBindings JoinerKeyBindings(const KeyBindings& own) {
  KeyBindings joiner = own;
  for (int action = 0; action < ActionCount; ++action) {
    KeyList& two = joiner.players[1].action[action];
    KeyList& one = joiner.players[0].action[action];
    two.insert(two.end(), one.begin(), one.end());
    one.clear();
  }
  return joiner;
}

}  // namespace net
