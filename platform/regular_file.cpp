#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

namespace platform {

namespace {

constexpr size_t ReadStep = 64 * 1024;
constexpr mode_t NewFileMode = 0666;  // less the umask, as for any new file

// Closes the descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

bool IsRegular(int fd, off_t& length) {
  struct stat status;
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  length = status.st_size;
  return true;
}

// Reads until the end of the file or until limit bytes are in.
bool ReadUpTo(int fd, size_t limit, std::vector<uint8_t>& bytes) {
  while (bytes.size() < limit) {
    const size_t at = bytes.size();
    bytes.resize(at + std::min(ReadStep, limit - at));
    const ssize_t count = read(fd, bytes.data() + at, bytes.size() - at);
    if (count < 0 && errno == EINTR) {
      bytes.resize(at);
      continue;
    }
    if (count <= 0) {
      bytes.resize(at);
      return count == 0;
    }
    bytes.resize(at + static_cast<size_t>(count));
  }
  return true;
}

FileReadResult Read(const char* path, size_t maxBytes, bool wholeFile, std::vector<uint8_t>& bytes) {
  bytes.clear();
  // Non-blocking, so that a FIFO opens at once instead of waiting for a
  // writer; it is then refused as not regular before anything is read.
  Descriptor file(open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) return FileReadResult::CannotOpen;
  off_t length = 0;
  if (!IsRegular(file.Get(), length)) return FileReadResult::NotRegular;
  if (wholeFile && static_cast<uint64_t>(length) > maxBytes) return FileReadResult::TooLarge;
  // One byte past the bound also tells a file that grew while it was read.
  const size_t limit = wholeFile && maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
  bytes.reserve(std::min<uint64_t>(static_cast<uint64_t>(length), limit));
  if (!ReadUpTo(file.Get(), limit, bytes)) {
    bytes.clear();
    return FileReadResult::ReadFailed;
  }
  if (bytes.size() > maxBytes) {
    bytes.clear();
    return FileReadResult::TooLarge;
  }
  return FileReadResult::Ok;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

// The folder holding path: its part before the last slash, or the current folder.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool SyncFolder(const std::string& folder) {
  Descriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return directory.Get() >= 0 && fsync(directory.Get()) == 0;
}

// A new temporary file of our own: never a link followed elsewhere, never a
// FIFO waited on.
bool WriteTemporary(const char* tempPath, const std::vector<uint8_t>& bytes) {
  Descriptor file(
      open(tempPath, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, NewFileMode));
  off_t length = 0;
  if (file.Get() < 0 || !IsRegular(file.Get(), length)) return false;
  const bool written = WriteAll(file.Get(), bytes) && fsync(file.Get()) == 0;
  if (!file.Close() || !written) {
    unlink(tempPath);
    return false;
  }
  return true;
}

}  // namespace

FileReadResult ReadRegularFile(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes) {
  return Read(path, maxBytes, true, bytes);
}

FileReadResult ReadRegularText(const std::string& path, size_t maxBytes, std::string& text) {
  std::vector<uint8_t> bytes;
  const FileReadResult result = ReadRegularFile(path.c_str(), maxBytes, bytes);
  if (result == FileReadResult::Ok) text.assign(bytes.begin(), bytes.end());
  return result;
}

FileReadResult ReadRegularFilePrefix(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes) {
  return Read(path, maxBytes, false, bytes);
}

bool ReplaceRegularFile(const char* path, const char* tempPath, const std::vector<uint8_t>& bytes) {
  struct stat status;
  if (stat(path, &status) == 0 && !S_ISREG(status.st_mode)) return false;
  if (!WriteTemporary(tempPath, bytes)) return false;
  if (std::rename(tempPath, path) != 0) {
    unlink(tempPath);
    return false;
  }
  // The rename is done; a folder that cannot be synced still holds the new file.
  SyncFolder(FolderOf(path));
  return true;
}

bool ReplaceRegularText(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  return ReplaceRegularFile(path.c_str(), temporary.c_str(), std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace platform
