// One network session between a host and a joiner: the link, the handshake,
// the lockstep of inputs and state hashes, and the rules that end it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/lockstep.h"
#include "net/packets.h"
#include "platform/link.h"

namespace net {

constexpr uint32_t JoinTimeoutMs = 10000;  // a joiner gives up after this long without a welcome
constexpr uint32_t SilenceLimitMs = 5000;  // a connected side that says nothing this long has gone
constexpr uint32_t KeepaliveMs = 1000;     // a side with nothing to send says so this often

enum class SessionState : uint8_t {
  Waiting,  // for a joiner (host) or for the host's welcome (joiner)
  Playing,
  Ended,
};

enum class SessionEnd : uint8_t {
  None,
  Finished,     // both sides ran the agreed last frame
  LocalQuit,    // this side's player ended it
  PeerQuit,     // the other player ended it
  PeerSilent,   // nothing heard for SilenceLimitMs
  PeerLost,     // the link closed without a word
  OutOfStep,    // the two games' states differed
  BadPacket,    // the other side sent something malformed or out of turn
  Refused,      // the two games cannot play together (see EndText)
  SessionFull,  // the host is already playing with someone else
  NoAnswer,     // no welcome within JoinTimeoutMs
};

struct SessionSetup {
  Role role = Role::Host;
  PeerInfo me;
  int64_t calendarStart = 0;  // the host's: both sides' calendar starts here
};

class Session {
 public:
  // now: a millisecond clock, the same one every later call is given.
  Session(const SessionSetup& setup, std::unique_ptr<platform::Link> link, uint32_t now);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Takes in what the other side sent, waiting at most waitMs for the first
  // of it, then applies the time limits and keeps the link alive.
  void Pump(uint32_t now, uint32_t waitMs);

  SessionState State() const { return state_; }
  // The session's calendar start, from the host; known once playing.
  int64_t CalendarStart() const { return calendarStart_; }

  // This side's sample for the frame next in turn (1, 2, 3...); only while playing.
  void SendInput(const InputSample& sample);
  bool HoldsInputs(uint32_t frame) const { return lockstep_.Holds(frame); }
  // The merged sample of a frame whose inputs are held.
  InputSample MergedInput(uint32_t frame) { return lockstep_.Merged(frame); }
  // Reports the state hash after a frame has run; due frames go to the other side.
  void FrameRun(uint32_t frame, uint64_t stateHash);

  // This side's player ends the session after the given frame.
  void Quit(uint32_t frame);
  // A scripted run has run its last frame; the session ends (Finished) once
  // the other side has run it too.
  void Finish(uint32_t frame);
  // Says goodbye and closes the link, waiting at most waitMs for the goodbye to go.
  void Close(uint32_t waitMs);

  SessionEnd End() const { return end_; }
  // The frame after which the states differed, for OutOfStep.
  uint32_t ApartAt() const { return apartAt_; }
  // Why the session ended, for the player: empty for Finished and LocalQuit.
  std::string EndText() const;

 private:
  void Take(const platform::LinkEvent& event, uint32_t now);
  void TakePacket(const Packet& packet);
  void TakeHandshake(const Packet& packet);
  void TakePlayPacket(const Packet& packet);
  void CheckTime(uint32_t now);
  void Send(const Packet& packet);
  // Tells the other side this one ends the session after the frame.
  void SendLeave(uint32_t frame, LeaveReason reason);
  void EndWith(SessionEnd end, const std::string& detail = std::string());

  SessionSetup setup_;
  std::unique_ptr<platform::Link> link_;
  Lockstep lockstep_;
  SessionState state_ = SessionState::Waiting;
  SessionEnd end_ = SessionEnd::None;
  std::string detail_;  // what exactly went wrong, for EndText
  bool peerConnected_ = false;
  int64_t calendarStart_ = 0;
  uint32_t startedAt_;
  uint32_t lastHeard_;
  uint32_t lastSent_;
  uint32_t now_;
  uint32_t apartAt_ = 0;
  bool finished_ = false;
  bool peerFinished_ = false;
};

}  // namespace net
