// The runner's event log: one line per notice, effect, music request or
// change, and scene change, each with the frame it happened in (0 = start-up).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

class EventLog {
 public:
  explicit EventLog(const platform::Headless& machine) : machine_(machine) {}

  // Records everything the machine captured since the last call, as events of this frame.
  void Collect(uint32_t frame);

  const std::vector<std::string>& Lines() const { return lines_; }
  std::string Text() const;

 private:
  void Add(uint32_t frame, const std::string& event);
  void CollectMusic(uint32_t frame);

  const platform::Headless& machine_;
  size_t noticesSeen_ = 0;
  size_t effectsSeen_ = 0;
  size_t musicRequestsSeen_ = 0;
  size_t musicChangesDone_ = 0;  // requests whose moment has been logged (or that never came)
  int sceneSeen_ = 0;
  std::vector<std::string> lines_;
};

// A text in double quotes with quotes, backslashes and line breaks escaped.
std::string QuotedText(const std::string& text);
