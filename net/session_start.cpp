#include "net/session_start.h"

#include "recording/compatibility.h"
#include "recording/data_checksum.h"

namespace net {

PeerInfo ThisGame(uint32_t lastFrame) {
  PeerInfo me;
  me.gameVersion = GameVersion;
  me.dataChecksum = DataFilesChecksum();
  me.lastFrame = lastFrame;
  return me;
}

std::unique_ptr<Session> OpenSession(const SessionRequest& request, uint32_t now, std::string& error) {
  std::unique_ptr<platform::Link> link = request.role == Role::Host
                                             ? platform::ListenForPeer(request.port, error)
                                             : platform::ConnectToPeer(request.peerHost, request.port, error);
  if (link == nullptr) return nullptr;
  const SessionSetup setup{request.role, ThisGame(request.lastFrame), request.calendarStart};
  return std::make_unique<Session>(setup, std::move(link), now);
}

}  // namespace net
