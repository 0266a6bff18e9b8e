// A network game in the real program: a caption while the two sides find
// each other, then the whole program in lockstep from its start-up state,
// and local play again with a notice once the other side has gone.
#pragma once

#include <iosfwd>

#include "net/session_start.h"

class GameRecordings;

namespace net {

// Runs the program as one side of a session (the request's calendar start
// is taken from the machine); returns its exit code: 1 when the session
// cannot be set up, else the code of the quit that ends the program.
// Messages for the player go to messages. Games played in the session are
// kept by recordings like any other.
int RunNetworkGame(SessionRequest request, int inputDelay, GameRecordings& recordings, std::ostream& messages);

// Plays a session that has reached play from the program's start-up state,
// in lockstep, until it ends (true: the game under way, if any, is then
// kept, so that the game that went out of step is there for a bug report)
// or the program is to end (false, with the exit code in exitCode).
bool PlaySession(Session& session, Role role, int inputDelay, GameRecordings& recordings, int& exitCode);

}  // namespace net
