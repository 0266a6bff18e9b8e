// Support for the end-to-end tests: scratch copies of the game folder,
// running the real programs, reading their files.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// A fresh folder removed again at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The built game folder: the two programs beside the generated data.
std::filesystem::path BuiltGameFolder();
// The build folder, for cmake --install and cpack.
std::filesystem::path BuildFolder();
// Installs the build with cmake --install below prefix; the exit code.
int InstallGame(const std::filesystem::path& prefix, const std::filesystem::path& outputStem);
// The full path of a program found on PATH; empty when it is not installed.
std::string FindProgram(const std::string& name);

// SDL's dummy video and disk audio drivers, the audio going to a file in folder.
std::map<std::string, std::string> HeadlessDrivers(const std::filesystem::path& folder);
// The error output less the lines SDL's disk audio driver writes about itself.
std::string WithoutDiskDriverBanner(const std::string& errors);
// A copy of a game folder (the built one unless given) inside the scratch
// folder, without its best score; returns its path.
std::filesystem::path CopyGameFolder(const ScratchFolder& scratch,
                                     const std::filesystem::path& from = BuiltGameFolder());

// A program started with extra environment variables in a given folder,
// its standard output and error sent to files.
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment,
        const std::filesystem::path& folder, const std::filesystem::path& outputStem);
  ~Child();
  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  void Signal(int signalNumber);
  // The exit code, or -1 when it did not end within the timeout (it is then killed),
  // or 128 + the signal when a signal ended it.
  int Wait(int timeoutMs);
  bool Running();
  // The most memory the program held resident, once it has ended.
  long PeakResidentKb() const { return usage_.ru_maxrss; }
  std::string Output() const;
  std::string Errors() const;

 private:
  pid_t pid_ = -1;
  int status_ = 0;
  rusage usage_{};
  bool ended_ = false;
  std::filesystem::path outPath_;
  std::filesystem::path errPath_;
};

// Runs a program to its end; returns its exit code.
int Run(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment,
        const std::filesystem::path& folder, const std::filesystem::path& outputStem,
        int timeoutMs = 120000);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);
// 64-bit FNV-1a of a file's bytes, as 16 hex digits.
std::string FileHash(const std::filesystem::path& path);
// The same hash of a PNG file's size and decoded RGBA pixels, so that it
// holds however the file was compressed; "unreadable" when it cannot be read.
std::string PixelHash(const std::filesystem::path& path);

}  // namespace e2e
