// Two ends of a network link inside one process: what one end sends, the
// other receives, in order. Each end first sees Connected. A test can put
// any bytes on the wire towards either end.
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <utility>

#include "platform/link.h"

namespace fixture {

struct MemoryWire {
  std::array<std::deque<platform::LinkEvent>, 2> toSide;
  std::array<int, 2> sent{};  // packets each side sent

  void Deliver(int side, std::vector<uint8_t> bytes) {
    platform::LinkEvent event;
    event.kind = platform::LinkEventKind::Received;
    event.packet = std::move(bytes);
    toSide[side].push_back(std::move(event));
  }
};

class MemoryLink : public platform::Link {
 public:
  MemoryLink(std::shared_ptr<MemoryWire> wire, int side) : wire_(std::move(wire)), side_(side) {
    wire_->toSide[side_].push_back(platform::LinkEvent{platform::LinkEventKind::Connected, {}, 0});
  }
  platform::LinkEvent Poll(uint32_t) override {
    if (wire_->toSide[side_].empty()) return platform::LinkEvent{};
    platform::LinkEvent event = std::move(wire_->toSide[side_].front());
    wire_->toSide[side_].pop_front();
    return event;
  }
  bool Send(const uint8_t* bytes, size_t size) override {
    if (closed_) return false;
    wire_->Deliver(1 - side_, std::vector<uint8_t>(bytes, bytes + size));
    ++wire_->sent[side_];
    return true;
  }
  void Close(uint32_t) override {
    if (closed_) return;
    closed_ = true;
    wire_->toSide[1 - side_].push_back(platform::LinkEvent{platform::LinkEventKind::Closed, {}, 0});
  }

 private:
  std::shared_ptr<MemoryWire> wire_;
  int side_;
  bool closed_ = false;
};

}  // namespace fixture
