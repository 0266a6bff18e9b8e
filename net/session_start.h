// Opening a session of this program: its link, and what it tells the other
// side about itself (the protocol, the game's version, its data files).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/session.h"

namespace net {

struct SessionRequest {
  Role role = Role::Host;
  std::string peerHost;       // the joiner's: whom to join
  uint16_t port = 0;          // the host's to listen on, the joiner's to join
  uint32_t lastFrame = 0;     // a scripted run's last frame; 0 for a game played until ended
  int64_t calendarStart = 0;  // the host's: both sides' calendar starts here
};

// This program, with the data files of the current folder.
PeerInfo ThisGame(uint32_t lastFrame);

// Listens or connects; null with the reason when the port or the host cannot be had.
std::unique_ptr<Session> OpenSession(const SessionRequest& request, uint32_t now, std::string& error);

}  // namespace net
