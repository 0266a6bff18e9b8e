#include "tests/lossy_relay.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <random>
#include <vector>

namespace fixture {

namespace {

using Clock = std::chrono::steady_clock;

struct Held {
  Clock::time_point due;
  bool towardsHost;
  std::vector<uint8_t> bytes;
};

sockaddr_in Loopback(uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

int BoundSocket() {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in address = Loopback(0);
  if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

uint16_t FreeUdpPort() {
  const int fd = BoundSocket();
  sockaddr_in bound{};
  socklen_t length = sizeof bound;
  const bool known = fd >= 0 && getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length) == 0;
  if (fd >= 0) close(fd);
  return known ? ntohs(bound.sin_port) : 0;
}

LossyRelay::LossyRelay(uint16_t hostPort, double lossShare, uint32_t delayMs, uint32_t seed)
    : host_(Loopback(hostPort)), lossShare_(lossShare), delayMs_(delayMs) {
  joinerSide_ = BoundSocket();
  hostSide_ = BoundSocket();
  sockaddr_in bound{};
  socklen_t length = sizeof bound;
  if (joinerSide_ < 0 || hostSide_ < 0 ||
      getsockname(joinerSide_, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
    return;
  }
  port_ = ntohs(bound.sin_port);
  ready_ = true;
  thread_ = std::thread([this, seed] { Run(seed); });
}

LossyRelay::~LossyRelay() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (joinerSide_ >= 0) close(joinerSide_);
  if (hostSide_ >= 0) close(hostSide_);
}

void LossyRelay::Run(uint32_t seed) {
  std::mt19937 random(seed);
  std::bernoulli_distribution lost(lossShare_);
  std::deque<Held> held;  // in due order: every datagram waits the same time
  sockaddr_in joiner{};
  bool joinerKnown = false;
  std::vector<uint8_t> buffer(65536);
  while (!stop_) {
    pollfd sockets[2] = {{joinerSide_, POLLIN, 0}, {hostSide_, POLLIN, 0}};
    poll(sockets, 2, 1);
    for (int i = 0; i < 2; ++i) {
      if ((sockets[i].revents & POLLIN) == 0) continue;
      sockaddr_in from{};
      socklen_t length = sizeof from;
      const ssize_t size =
          recvfrom(sockets[i].fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
      if (size < 0) continue;
      if (i == 0) {
        joiner = from;
        joinerKnown = true;
      }
      if (lost(random)) {
        ++dropped_;
        continue;
      }
      held.push_back(Held{Clock::now() + std::chrono::milliseconds(delayMs_), i == 0,
                          std::vector<uint8_t>(buffer.begin(), buffer.begin() + size)});
    }
    while (!held.empty() && held.front().due <= Clock::now()) {
      const Held& datagram = held.front();
      if (datagram.towardsHost) {
        sendto(hostSide_, datagram.bytes.data(), datagram.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&host_),
               sizeof host_);
      } else if (joinerKnown) {
        sendto(joinerSide_, datagram.bytes.data(), datagram.bytes.size(), 0,
               reinterpret_cast<const sockaddr*>(&joiner), sizeof joiner);
      }
      ++passed_;
      held.pop_front();
    }
  }
}

}  // namespace fixture
