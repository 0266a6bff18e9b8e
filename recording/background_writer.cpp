#include "recording/background_writer.h"

#include <utility>

BackgroundWriter::BackgroundWriter() : thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

bool BackgroundWriter::Hand(std::function<void()> write) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (waiting_.size() >= MaxWaiting) return false;
    waiting_.push_back(std::move(write));
  }
  wake_.notify_one();
  return true;
}

void BackgroundWriter::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
    if (waiting_.empty()) return;  // stopping, with nothing left to write
    std::function<void()> write = std::move(waiting_.front());
    waiting_.pop_front();
    lock.unlock();
    write();
    lock.lock();
  }
}
