#include "recording/recording_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "recording/recording_text.h"

namespace {

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

bool WriteAll(int fd, const std::string& text) {
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t count = write(fd, text.data() + written, text.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    written += static_cast<size_t>(count);
  }
  return true;
}

bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

}  // namespace

bool ReadTextFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error) {
  // Opened without waiting, so that a FIFO in the file's place cannot hold the reader.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status {};
  if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    error = fd < 0 ? Reason("cannot read " + path) : "cannot read " + path + ": not a regular file";
    if (fd >= 0) close(fd);
    return false;
  }
  text.clear();
  char buffer[1 << 16];
  ssize_t count;
  while ((count = read(fd, buffer, sizeof buffer)) != 0) {
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 || text.size() + static_cast<size_t>(count) > maxBytes) break;
    text.append(buffer, static_cast<size_t>(count));
  }
  const bool complete = count == 0;
  if (!complete) {
    error = count < 0 ? Reason("cannot read " + path) : path + " is longer than " + std::to_string(maxBytes) + " bytes";
  }
  close(fd);
  return complete;
}

bool ReadRecordingFile(const std::string& path, Recording& recording, std::string& error) {
  std::string text;
  if (!ReadTextFile(path, MaxRecordingFileBytes, text, error)) return false;
  if (ParseRecording(text, recording, error)) return true;
  error = path + ": " + error;
  return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error) {
  const std::string temp = path + ".tmp";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = Reason("cannot write " + temp);
    return false;
  }
  bool done = WriteAll(fd, text) && fsync(fd) == 0;
  if (!done) error = Reason("cannot write " + temp);
  if (close(fd) != 0 && done) {
    error = Reason("cannot write " + temp);
    done = false;
  }
  if (done && rename(temp.c_str(), path.c_str()) != 0) {
    error = Reason("cannot rename " + temp);
    done = false;
  }
  if (!done) {
    unlink(temp.c_str());
    return false;
  }
  const std::string folder = std::filesystem::path(path).parent_path().string();
  SyncFolder(folder.empty() ? "." : folder);
  return true;
}
