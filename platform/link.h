// A connection to one other copy of the game over the network. Packets go
// reliably and in order; the backend (platform/enet/) does the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

enum class LinkEventKind : uint8_t {
  None,       // nothing arrived in the time given
  Connected,  // the other side is there; packets can go both ways
  Received,   // a packet from the other side
  Closed,     // the other side closed the link, or went away
};

// The code a listening side gives a further peer when it turns it away.
constexpr uint32_t LinkFullCode = 1;

struct LinkEvent {
  LinkEventKind kind = LinkEventKind::None;
  std::vector<uint8_t> packet;  // Received
  uint32_t closeCode = 0;       // Closed: the other side's code, 0 when it just went
};

class Link {
 public:
  virtual ~Link() = default;
  // The next event, waiting at most waitMs for one.
  virtual LinkEvent Poll(uint32_t waitMs) = 0;
  // Queues a packet for the other side and starts sending it; false when
  // there is no other side or the packet cannot be queued.
  virtual bool Send(const uint8_t* bytes, size_t size) = 0;
  // Says goodbye once everything queued has been taken, waiting at most
  // waitMs for that; the link is closed afterwards in any case.
  virtual void Close(uint32_t waitMs) = 0;
};

// Listens on the UDP port on every address of this machine.
// The first peer to connect is the one; any later one is turned away with
// LinkFullCode.
// Null, with the reason in error, when the port cannot be had.
std::unique_ptr<Link> ListenForPeer(uint16_t port, std::string& error);
// Starts connecting to a listening side; Connected follows once it answers.
// Null, with the reason in error, when the host name is unknown.
std::unique_ptr<Link> ConnectToPeer(const std::string& hostName, uint16_t port, std::string& error);

}  // namespace platform
