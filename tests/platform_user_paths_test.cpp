#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/user_paths.h"
#include "scratch_folder.h"

namespace {

// Sets an environment variable for the life of the object, then puts it back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedVariable() {
    if (previous_) {
      setenv(name_, previous_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

TEST(UserPaths, FollowTheXdgVariablesThenFallBackOnTheHomeFolder) {
  ScopedVariable home("HOME", "/home/player");
  {
    ScopedVariable data("XDG_DATA_HOME", "/xdg/data");
    ScopedVariable config("XDG_CONFIG_HOME", "/xdg/config");
    EXPECT_EQ(platform::UserDataFolder(), "/xdg/data/kerzonk");
    EXPECT_EQ(platform::UserConfigFolder(), "/xdg/config/kerzonk");
  }
  // Unset, empty and relative values are all ignored.
  for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/path"}) {
    ScopedVariable data("XDG_DATA_HOME", ignored);
    ScopedVariable config("XDG_CONFIG_HOME", ignored);
    EXPECT_EQ(platform::UserDataFolder(), "/home/player/.local/share/kerzonk");
    EXPECT_EQ(platform::UserConfigFolder(), "/home/player/.config/kerzonk");
  }
  ScopedVariable noData("XDG_DATA_HOME", nullptr);
  ScopedVariable noHome("HOME", nullptr);
  EXPECT_EQ(platform::UserDataFolder(), "");
}

TEST(UserPaths, MakeUserFolderCreatesPrivateParentsAndAcceptsAnExistingOne) {
  fixture::ScratchFolder scratch("user_paths");
  const std::string folder = (scratch.Path() / "share" / "kerzonk").string();
  ASSERT_TRUE(platform::MakeUserFolder(folder));
  struct stat status;
  ASSERT_EQ(stat(folder.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  EXPECT_TRUE(platform::MakeUserFolder(folder));

  const std::filesystem::path file = scratch.Path() / "plain";
  std::fclose(std::fopen(file.c_str(), "w"));
  EXPECT_FALSE(platform::MakeUserFolder(file.string()));
  EXPECT_FALSE(platform::MakeUserFolder(""));
}

}  // namespace
