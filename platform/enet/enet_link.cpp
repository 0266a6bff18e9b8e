// The network link over ENet: one reliable, ordered channel on UDP.
#include <enet/enet.h>

#include <chrono>
#include <cstdlib>

#include "platform/link.h"

namespace platform {

namespace {

constexpr size_t ChannelCount = 1;
constexpr enet_uint8 Channel = 0;
// The listening side keeps one slot spare, so a further peer is answered with
// a refusal instead of being left to time out.
constexpr size_t ListenSlots = 2;
// ENet's own time-outs lie beyond the game's rules (5 s of silence, 10 s to
// join), so that those are the ones that speak.
constexpr enet_uint32 TimeoutMinimumMs = 12000;
constexpr enet_uint32 TimeoutMaximumMs = 20000;
// The game's packets are a few dozen bytes. ENet would otherwise take in
// packets of up to 32 MB, and as much again waiting to be dispatched.
constexpr size_t LargestPacket = 1024;
constexpr size_t MostWaitingData = 64 * LargestPacket;

// A host that takes in nothing larger than the game sends.
ENetHost* CreateHost(const ENetAddress* address, size_t peers) {
  ENetHost* host = enet_host_create(address, peers, ChannelCount, 0, 0);
  if (host != nullptr) {
    host->maximumPacketSize = LargestPacket;
    host->maximumWaitingData = MostWaitingData;
  }
  return host;
}

bool EnetReady() {
  static const bool ready = [] {
    if (enet_initialize() != 0) return false;
    std::atexit(enet_deinitialize);
    return true;
  }();
  return ready;
}

class EnetLink : public Link {
 public:
  EnetLink(ENetHost* host, ENetPeer* peer) : host_(host), peer_(peer) {
    if (peer_ != nullptr) enet_peer_timeout(peer_, 0, TimeoutMinimumMs, TimeoutMaximumMs);
  }

  ~EnetLink() override {
    if (peer_ != nullptr) enet_peer_reset(peer_);
    enet_host_destroy(host_);
  }

  LinkEvent Poll(uint32_t waitMs) override {
    ENetEvent event;
    int result = enet_host_check_events(host_, &event);
    if (result == 0) result = enet_host_service(host_, &event, waitMs);
    if (result <= 0) return LinkEvent{};
    return Take(event);
  }

  bool Send(const uint8_t* bytes, size_t size) override {
    if (peer_ == nullptr || !connected_) return false;
    ENetPacket* packet = enet_packet_create(bytes, size, ENET_PACKET_FLAG_RELIABLE);
    if (packet == nullptr) return false;
    if (enet_peer_send(peer_, Channel, packet) != 0) {
      enet_packet_destroy(packet);
      return false;
    }
    enet_host_flush(host_);
    return true;
  }

  void Close(uint32_t waitMs) override {
    if (peer_ == nullptr) return;
    if (!connected_) {
      enet_peer_reset(peer_);
      peer_ = nullptr;
      return;
    }
    enet_peer_disconnect_later(peer_, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (peer_ != nullptr && std::chrono::steady_clock::now() < deadline) {
      ENetEvent event;
      if (enet_host_service(host_, &event, 1) > 0) Take(event);
    }
    if (peer_ != nullptr) enet_peer_reset(peer_);
    peer_ = nullptr;
    connected_ = false;
  }


 private:
  LinkEvent Take(ENetEvent& event) {
    LinkEvent taken;
    switch (event.type) {
      case ENET_EVENT_TYPE_CONNECT:
        if (peer_ == nullptr) peer_ = event.peer;  // listening: the first one is the one
        if (event.peer != peer_) {
          enet_peer_disconnect(event.peer, LinkFullCode);
          break;
        }
        enet_peer_timeout(peer_, 0, TimeoutMinimumMs, TimeoutMaximumMs);
        connected_ = true;
        taken.kind = LinkEventKind::Connected;
        break;
      case ENET_EVENT_TYPE_RECEIVE:
        if (event.peer == peer_) {
          taken.kind = LinkEventKind::Received;
          taken.packet.assign(event.packet->data, event.packet->data + event.packet->dataLength);
        }
        enet_packet_destroy(event.packet);
        break;
      case ENET_EVENT_TYPE_DISCONNECT:
        if (event.peer == peer_) {
          peer_ = nullptr;
          connected_ = false;
          taken.kind = LinkEventKind::Closed;
          taken.closeCode = event.data;
        }
        break;
      case ENET_EVENT_TYPE_NONE:
        break;
    }
    return taken;
  }

  ENetHost* host_;
  ENetPeer* peer_;  // the one other side; null while a listener waits and after closing
  bool connected_ = false;
};

}  // namespace

std::unique_ptr<Link> ListenForPeer(uint16_t port, std::string& error) {
  if (!EnetReady()) {
    error = "the network library cannot start";
    return nullptr;
  }
  ENetAddress address;
  address.host = ENET_HOST_ANY;
  address.port = port;
  ENetHost* host = CreateHost(&address, ListenSlots);
  if (host == nullptr) {
    error = "cannot listen on UDP port " + std::to_string(port) + " (is another program using it?)";
    return nullptr;
  }
  return std::make_unique<EnetLink>(host, nullptr);
}

std::unique_ptr<Link> ConnectToPeer(const std::string& hostName, uint16_t port, std::string& error) {
  if (!EnetReady()) {
    error = "the network library cannot start";
    return nullptr;
  }
  ENetAddress address;
  if (enet_address_set_host(&address, hostName.c_str()) != 0) {
    error = "cannot find the host \"" + hostName + "\"";
    return nullptr;
  }
  address.port = port;
  ENetHost* host = CreateHost(nullptr, 1);
  if (host == nullptr) {
    error = "cannot open a UDP socket";
    return nullptr;
  }
  ENetPeer* peer = enet_host_connect(host, &address, ChannelCount, 0);
  if (peer == nullptr) {
    enet_host_destroy(host);
    error = "cannot start connecting to " + hostName;
    return nullptr;
  }
  return std::make_unique<EnetLink>(host, peer);
}

}  // namespace platform
