// A network game in the real program: a caption while the two sides find
// each other, then the whole program in lockstep from its start-up state,
// and local play again with a notice once the other side has gone.
#pragma once

#include <iosfwd>

#include "net/session_start.h"

namespace net {

// Runs the program as one side of a session (the request's calendar start
// is taken from the machine); returns its exit code: 1 when the session
// cannot be set up, else the code of the quit that ends the program.
// Messages for the player go to messages.
int RunNetworkGame(SessionRequest request, int inputDelay, std::ostream& messages);

}  // namespace net
