#include "tools/replay/replay_peer.h"

#include <chrono>
#include <vector>

#include "input/key_bindings.h"
#include "net/joiner_keys.h"
#include "net/session_start.h"

namespace {

// A host waits this long for its joiner; a joiner gives up sooner by itself.
constexpr uint32_t HostWaitMs = 30000;
constexpr uint32_t PumpWaitMs = 10;

uint64_t SteadyMs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

}  // namespace

ReplayPeer::ReplayPeer(const ReplayOptions& options) : options_(options), startedAt_(SteadyMs()) {}

ReplayPeer::~ReplayPeer() {
  frames_.reset();
  if (session_) session_->Close(500);
}

uint32_t ReplayPeer::Now() const { return static_cast<uint32_t>(SteadyMs() - startedAt_); }

bool ReplayPeer::Connect(std::string& error) {
  net::SessionRequest request;
  request.role = options_.peer == PeerRole::Host ? net::Role::Host : net::Role::Joiner;
  request.peerHost = options_.peerHost;
  request.port = options_.port;
  request.lastFrame = options_.frames;
  request.calendarStart = options_.time;
  session_ = net::OpenSession(request, Now(), error);
  if (session_ == nullptr) return false;
  while (session_->State() == net::SessionState::Waiting && Now() < HostWaitMs) session_->Pump(Now(), PumpWaitMs);
  if (session_->State() == net::SessionState::Playing) return true;
  error = session_->State() == net::SessionState::Waiting ? "nobody joined within " +
                                                                std::to_string(HostWaitMs / 1000) + " seconds"
                                                          : session_->EndText();
  return false;
}

void ReplayPeer::Begin(const std::function<InputSample(uint32_t frame)>& sampleOf) {
  if (options_.peer == PeerRole::Joiner) keyBindings = net::JoinerKeyBindings(keyBindings);
  std::vector<InputSample> leadIn;
  for (int frame = 1; frame <= options_.inputDelay; ++frame) leadIn.push_back(sampleOf(frame));
  frames_.emplace(*session_, [this] { return Now(); });
  frames_->Begin(leadIn);
}

bool ReplayPeer::Finish(std::string& error) {
  frames_.reset();
  session_->Finish(options_.frames);
  while (session_->State() == net::SessionState::Playing) session_->Pump(Now(), PumpWaitMs);
  if (session_->End() == net::SessionEnd::Finished) return true;
  error = session_->EndText();
  return false;
}
