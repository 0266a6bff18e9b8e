// A lossy network path for tests, in this process: a UDP relay on loopback
// that passes datagrams between a joiner and a host, dropping a share of
// them and holding the rest back for a while, in each direction. The joiner
// connects to the relay's port instead of the host's.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <cstdint>
#include <thread>

namespace fixture {

// A UDP port of loopback that was free when asked, for a listening side
// started in another process; 0 when none could be had.
uint16_t FreeUdpPort();

class LossyRelay {
 public:
  LossyRelay(uint16_t hostPort, double lossShare, uint32_t delayMs, uint32_t seed);
  ~LossyRelay();
  LossyRelay(const LossyRelay&) = delete;
  LossyRelay& operator=(const LossyRelay&) = delete;

  bool Ready() const { return ready_; }
  uint16_t Port() const { return port_; }
  int Dropped() const { return dropped_; }
  int Passed() const { return passed_; }

 private:
  void Run(uint32_t seed);

  int joinerSide_ = -1;  // bound to the relay's port; the joiner talks to it
  int hostSide_ = -1;    // talks to the host
  sockaddr_in host_{};
  uint16_t port_ = 0;
  double lossShare_;
  uint32_t delayMs_;
  bool ready_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<int> dropped_{0};
  std::atomic<int> passed_{0};
  std::thread thread_;
};

}  // namespace fixture
