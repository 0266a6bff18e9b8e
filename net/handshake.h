// What the two sides compare before they play together.
#pragma once

#include <string>

#include "net/packets.h"

namespace net {

// What differs between this side and the other, in words ("the other game is
// version 1.1, this one 1.0"); empty when the two can play together.
std::string HandshakeMismatch(const PeerInfo& mine, const PeerInfo& theirs);

}  // namespace net
