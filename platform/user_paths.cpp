#include "platform/user_paths.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

// The rules ignore a variable that is unset, empty or not an absolute path.
std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string GameFolder(const char* baseVariable, const char* homeRelativeDefault) {
  std::string base = AbsoluteVariable(baseVariable);
  if (base.empty()) {
    const std::string home = AbsoluteVariable("HOME");
    if (home.empty()) return {};
    base = home + "/" + homeRelativeDefault;
  }
  return base + "/" + GameFolderName;
}

bool IsFolder(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string UserDataFolder() { return GameFolder("XDG_DATA_HOME", ".local/share"); }

std::string UserConfigFolder() { return GameFolder("XDG_CONFIG_HOME", ".config"); }

bool MakeUserFolder(const std::string& path) {
  if (path.empty()) return false;
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string parent = path.substr(0, slash);
    if (mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
  return IsFolder(path);
}

}  // namespace platform
