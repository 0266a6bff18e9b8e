// Runs file writes on a thread of their own, one after the other, so that a
// slow, full or read-only disk never holds up the frame loop.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class BackgroundWriter {
 public:
  // At most this many writes wait at once; more are refused.
  static constexpr size_t MaxWaiting = 8;

  BackgroundWriter();
  // Waits for the writes handed over so far.
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  // False, and the write is not done, when MaxWaiting writes are waiting already.
  bool Hand(std::function<void()> write);

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> waiting_;
  bool stopping_ = false;
  std::thread thread_;
};
