#include "net/session.h"

#include "net/handshake.h"

namespace net {

namespace {

// A flood of packets cannot keep one pump going for ever.
constexpr int MaxEventsPerPump = 256;

std::string KindName(PacketKind kind) {
  switch (kind) {
    case PacketKind::Hello: return "hello";
    case PacketKind::Welcome: return "welcome";
    case PacketKind::Refusal: return "refusal";
    case PacketKind::Input: return "input";
    case PacketKind::Hash: return "state hash";
    case PacketKind::Leave: return "goodbye";
    case PacketKind::Ping: return "ping";
  }
  return "packet";
}

}  // namespace

Session::Session(const SessionSetup& setup, std::unique_ptr<platform::Link> link, uint32_t now)
    : setup_(setup), link_(std::move(link)), lockstep_(setup.role), startedAt_(now), lastHeard_(now),
      lastSent_(now), now_(now) {}

Session::~Session() { Close(0); }

void Session::Pump(uint32_t now, uint32_t waitMs) {
  now_ = now;
  if (state_ == SessionState::Ended) return;
  platform::LinkEvent event = link_->Poll(waitMs);
  for (int taken = 0; event.kind != platform::LinkEventKind::None && taken < MaxEventsPerPump; ++taken) {
    Take(event, now);
    if (state_ == SessionState::Ended) return;
    event = link_->Poll(0);
  }
  CheckTime(now);
  if (state_ == SessionState::Playing && now - lastSent_ >= KeepaliveMs) Send(Packet{});
}

void Session::SendInput(const InputSample& sample) {
  if (state_ != SessionState::Playing) return;
  Packet packet;
  packet.kind = PacketKind::Input;
  packet.frame = lockstep_.NextLocalFrame();
  packet.sample = sample;
  lockstep_.PutLocal(sample);
  Send(packet);
}

void Session::FrameRun(uint32_t frame, uint64_t stateHash) {
  if (state_ != SessionState::Playing || !Lockstep::HashDue(frame)) return;
  Packet packet;
  packet.kind = PacketKind::Hash;
  packet.frame = frame;
  packet.stateHash = stateHash;
  Send(packet);
  lockstep_.PutLocalHash(frame, stateHash);
  if (lockstep_.ApartAt() != 0) {
    SendLeave(frame, LeaveReason::OutOfStep);
    apartAt_ = frame;
    EndWith(SessionEnd::OutOfStep);
  }
}

void Session::Quit(uint32_t frame) {
  if (state_ == SessionState::Ended) return;
  if (peerConnected_) SendLeave(frame, LeaveReason::Quit);
  EndWith(SessionEnd::LocalQuit);
}

void Session::Finish(uint32_t frame) {
  if (state_ != SessionState::Playing || finished_) return;
  SendLeave(frame, LeaveReason::Finished);
  finished_ = true;
  if (peerFinished_) EndWith(SessionEnd::Finished);
}

void Session::Close(uint32_t waitMs) {
  if (link_ == nullptr) return;
  link_->Close(waitMs);
  link_.reset();
  if (state_ != SessionState::Ended) EndWith(SessionEnd::LocalQuit);
}

std::string Session::EndText() const {
  switch (end_) {
    case SessionEnd::None:
    case SessionEnd::Finished:
    case SessionEnd::LocalQuit:
      return std::string();
    case SessionEnd::PeerQuit:
      return "the other player left the game";
    case SessionEnd::PeerSilent:
      return "no word from the other player for " + std::to_string(SilenceLimitMs / 1000) + " seconds";
    case SessionEnd::PeerLost:
      return "the connection to the other player was lost";
    case SessionEnd::OutOfStep:
      return "the two games went out of step (their states differ after frame " + std::to_string(ApartAt()) + ")";
    case SessionEnd::BadPacket:
      return "the other side sent a faulty packet: " + detail_;
    case SessionEnd::Refused:
      return "cannot play with the other game: " + detail_;
    case SessionEnd::SessionFull:
      return "the other game is already playing with someone else";
    case SessionEnd::NoAnswer:
      return "no answer from the other game within " + std::to_string(JoinTimeoutMs / 1000) + " seconds";
  }
  return std::string();
}

void Session::Take(const platform::LinkEvent& event, uint32_t now) {
  switch (event.kind) {
    case platform::LinkEventKind::None:
      return;
    case platform::LinkEventKind::Connected:
      lastHeard_ = now;
      peerConnected_ = true;
      if (setup_.role == Role::Joiner) {
        Packet hello;
        hello.kind = PacketKind::Hello;
        hello.peer = setup_.me;
        Send(hello);
      }
      return;
    case platform::LinkEventKind::Received: {
      lastHeard_ = now;
      Packet packet;
      std::string why;
      if (!DecodePacket(event.packet.data(), event.packet.size(), packet, why)) {
        EndWith(SessionEnd::BadPacket, why);
        return;
      }
      TakePacket(packet);
      return;
    }
    case platform::LinkEventKind::Closed:
      if (event.closeCode == platform::LinkFullCode && state_ == SessionState::Waiting) {
        EndWith(SessionEnd::SessionFull);
      } else if (!peerConnected_ && setup_.role == Role::Joiner) {
        EndWith(SessionEnd::NoAnswer);
      } else {
        EndWith(SessionEnd::PeerLost);
      }
      peerConnected_ = false;
      return;
  }
}

void Session::TakePacket(const Packet& packet) {
  if (state_ == SessionState::Waiting) {
    TakeHandshake(packet);
  } else {
    TakePlayPacket(packet);
  }
}

void Session::TakeHandshake(const Packet& packet) {
  const PacketKind expected = setup_.role == Role::Host ? PacketKind::Hello : PacketKind::Welcome;
  if (packet.kind == PacketKind::Refusal && setup_.role == Role::Joiner) {
    const std::string mismatch = HandshakeMismatch(setup_.me, packet.peer);
    EndWith(SessionEnd::Refused, mismatch.empty() ? "it turned this one away" : mismatch);
    return;
  }
  if (packet.kind != expected) {
    EndWith(SessionEnd::BadPacket, KindName(packet.kind) + " where a " + KindName(expected) + " was due");
    return;
  }
  const std::string mismatch = HandshakeMismatch(setup_.me, packet.peer);
  if (!mismatch.empty()) {
    if (setup_.role == Role::Host) {
      Packet refusal;
      refusal.kind = PacketKind::Refusal;
      refusal.peer = setup_.me;
      Send(refusal);
    }
    EndWith(SessionEnd::Refused, mismatch);
    return;
  }
  if (setup_.role == Role::Host) {
    Packet welcome;
    welcome.kind = PacketKind::Welcome;
    welcome.peer = setup_.me;
    welcome.calendarStart = setup_.calendarStart;
    Send(welcome);
    calendarStart_ = setup_.calendarStart;
  } else {
    calendarStart_ = packet.calendarStart;
  }
  state_ = SessionState::Playing;
}

void Session::TakePlayPacket(const Packet& packet) {
  std::string why;
  switch (packet.kind) {
    case PacketKind::Input:
      if (!lockstep_.PutRemote(packet.frame, packet.sample, why)) EndWith(SessionEnd::BadPacket, why);
      return;
    case PacketKind::Hash:
      if (!lockstep_.PutRemoteHash(packet.frame, packet.stateHash, why)) {
        EndWith(SessionEnd::BadPacket, why);
      } else if (lockstep_.ApartAt() != 0) {
        apartAt_ = lockstep_.ApartAt();
        EndWith(SessionEnd::OutOfStep);
      }
      return;
    case PacketKind::Leave:
      if (packet.reason == LeaveReason::Quit) {
        EndWith(SessionEnd::PeerQuit);
      } else if (packet.reason == LeaveReason::OutOfStep) {
        apartAt_ = packet.frame;
        EndWith(SessionEnd::OutOfStep);
      } else if (setup_.me.lastFrame == 0 || packet.frame != setup_.me.lastFrame) {
        EndWith(SessionEnd::BadPacket, "finished at frame " + std::to_string(packet.frame) +
                                           " where the agreed last frame is " + std::to_string(setup_.me.lastFrame));
      } else {
        peerFinished_ = true;
        if (finished_) EndWith(SessionEnd::Finished);
      }
      return;
    case PacketKind::Ping:
      return;
    default:
      EndWith(SessionEnd::BadPacket, KindName(packet.kind) + " during play");
      return;
  }
}

void Session::CheckTime(uint32_t now) {
  if (state_ == SessionState::Waiting && setup_.role == Role::Joiner && now - startedAt_ >= JoinTimeoutMs) {
    EndWith(SessionEnd::NoAnswer);
  } else if (peerConnected_ && now - lastHeard_ >= SilenceLimitMs) {
    EndWith(SessionEnd::PeerSilent);
  }
}

void Session::Send(const Packet& packet) {
  if (link_ == nullptr) return;
  const std::vector<uint8_t> bytes = EncodePacket(packet);
  link_->Send(bytes.data(), bytes.size());
  lastSent_ = now_;
}

void Session::SendLeave(uint32_t frame, LeaveReason reason) {
  Packet packet;
  packet.kind = PacketKind::Leave;
  packet.frame = frame;
  packet.reason = reason;
  Send(packet);
}

void Session::EndWith(SessionEnd end, const std::string& detail) {
  if (state_ == SessionState::Ended) return;
  state_ = SessionState::Ended;
  end_ = end;
  detail_ = detail;
}

}  // namespace net
