// A fresh folder below the system's temporary one, made the current folder
// for as long as the object lives, then removed.
#pragma once

#include <filesystem>
#include <string>

#include <unistd.h>

namespace fixture {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : previous_(std::filesystem::current_path()),
        path_(std::filesystem::temp_directory_path() / ("kerzonk_" + name + "_" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  const std::filesystem::path& Path() const { return path_; }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace fixture
