#include "tests/e2e_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/png_file.h"

namespace fs = std::filesystem;

namespace e2e {

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "kerzonk-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  if (!path_.empty()) {
    // An unwritable file or folder left by a test must not stop the clean-up.
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
  }
}

fs::path BuiltGameFolder() { return KERZONK_GAME_DIR; }

fs::path BuildFolder() { return KERZONK_BUILD_DIR; }

int InstallGame(const fs::path& prefix, const fs::path& outputStem) {
  fs::create_directories(prefix);
  return Run({KERZONK_CMAKE, "--install", BuildFolder().string(), "--component", "game", "--prefix", prefix.string()}, {}, prefix, outputStem);
}

std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  const std::string folders = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    const size_t end = std::min(folders.find(':', start), folders.size());
    const fs::path candidate = fs::path(folders.substr(start, end - start)) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    start = end + 1;
  }
  return "";
}

std::map<std::string, std::string> HeadlessDrivers(const fs::path& folder) {
  // In a sanitizer build, leaks inside the system's SDL and synthesiser
  // libraries at exit would otherwise turn into error output and exit codes.
  return {{"SDL_VIDEODRIVER", "dummy"},
          {"SDL_AUDIODRIVER", "disk"},
          {"SDL_DISKAUDIOFILE", (folder / "audio.raw").string()},
          {"SDL_DISKAUDIODELAY", "16"},
          {"ASAN_OPTIONS", "detect_leaks=0"}};
}

std::string WithoutDiskDriverBanner(const std::string& errors) {
  std::istringstream lines(errors);
  std::string kept, line;
  while (std::getline(lines, line)) {
    const bool banner = line.rfind("CRITICAL: ", 0) == 0 &&
                        (line.find("SDL disk i/o audio driver") != std::string::npos ||
                         line.find("Writing to file [") != std::string::npos);
    if (!banner) kept += line + '\n';
  }
  return kept;
}

fs::path CopyGameFolder(const ScratchFolder& scratch, const fs::path& from) {
  const fs::path copy = scratch.Path() / "game";
  fs::copy(from, copy, fs::copy_options::recursive);
  fs::remove(copy / "scor");
  return copy;
}

Child::Child(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment,
             const fs::path& folder, const fs::path& outputStem)
    : outPath_(outputStem.string() + ".out"), errPath_(outputStem.string() + ".err") {
  // The game's settings file goes into the test's folder, never the user's own.
  const std::string configFolder = (folder / ".config").string();
  pid_ = fork();
  if (pid_ != 0) return;
  // In the child: only async-signal-safe steps from here on, apart from setenv.
  const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int nothing = open("/dev/null", O_RDONLY);
  if (out < 0 || err < 0 || nothing < 0 || chdir(folder.c_str()) != 0) _exit(127);
  dup2(nothing, 0);
  dup2(out, 1);
  dup2(err, 2);
  setenv("XDG_CONFIG_HOME", configFolder.c_str(), 1);
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

Child::~Child() {
  if (Started() && !ended_) {
    kill(pid_, SIGKILL);
    wait4(pid_, &status_, 0, &usage_);
  }
}

void Child::Signal(int signalNumber) {
  if (Started() && !ended_) kill(pid_, signalNumber);
}

bool Child::Running() {
  if (!Started() || ended_) return false;
  if (wait4(pid_, &status_, WNOHANG, &usage_) == pid_) ended_ = true;
  return !ended_;
}

int Child::Wait(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (Running()) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid_, SIGKILL);
      wait4(pid_, &status_, 0, &usage_);
      ended_ = true;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!Started()) return -1;
  if (WIFSIGNALED(status_)) return 128 + WTERMSIG(status_);
  return WEXITSTATUS(status_);
}

std::string Child::Output() const { return ReadFile(outPath_); }
std::string Child::Errors() const { return ReadFile(errPath_); }

int Run(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment,
        const fs::path& folder, const fs::path& outputStem, int timeoutMs) {
  Child child(argv, environment, folder, outputStem);
  return child.Wait(timeoutMs);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}

namespace {

constexpr uint64_t HashStart = 0xcbf29ce484222325ull;

uint64_t AddToHash(uint64_t hash, const void* bytes, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    hash ^= static_cast<const unsigned char*>(bytes)[i];
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string Hex(uint64_t hash) {
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

}  // namespace

std::string FileHash(const fs::path& path) {
  const std::string bytes = ReadFile(path);
  return Hex(AddToHash(HashStart, bytes.data(), bytes.size()));
}

std::string PixelHash(const fs::path& path) {
  platform::PngPicture picture;
  if (!platform::ReadPng(path.string(), picture)) return "unreadable";
  const std::string size = std::to_string(picture.width) + "x" + std::to_string(picture.height);
  return Hex(AddToHash(AddToHash(HashStart, size.data(), size.size()), picture.rgba.data(), picture.rgba.size()));
}

}  // namespace e2e
