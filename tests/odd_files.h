// Things put where a game file belongs: a FIFO, a link to an endless device,
// a folder, a long sparse file.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace fixture {

inline bool MakeFifo(const std::filesystem::path& path) { return mkfifo(path.c_str(), 0644) == 0; }

inline void LinkToDevZero(const std::filesystem::path& path) { std::filesystem::create_symlink("/dev/zero", path); }

// A file of the given length that takes no room on disk.
inline bool MakeSparseFile(const std::filesystem::path& path, uint64_t length) {
  { std::ofstream create(path, std::ios::binary); }
  return truncate(path.c_str(), static_cast<off_t>(length)) == 0;
}

}  // namespace fixture
