// Finding the data folder: a portable copy wherever the program or the
// player stands, an installed one from the program's prefix.
#include <gtest/gtest.h>

#include <sstream>

#include "launch/data_folder.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;
using launch::DataMode;

namespace {

class DataFolderSearch : public testing::Test {
 protected:
  // A folder below the scratch one, holding the first picture when asked to.
  fs::path Folder(const std::string& name, bool withData) {
    const fs::path folder = scratch_.Path() / name;
    fs::create_directories(folder);
    if (withData) {
      fs::create_directories((folder / fs::u8path(PictureFileNames[0])).parent_path());
      e2e::WriteFile(folder / fs::u8path(PictureFileNames[0]), "BM");
    }
    return folder;
  }

  std::optional<launch::DataFolder> Find(const fs::path& current, const fs::path& program,
                                         const std::string& given = "") {
    return launch::FindDataFolder(given, current, program, searched_);
  }

  e2e::ScratchFolder scratch_;
  std::vector<fs::path> searched_;
};

TEST_F(DataFolderSearch, AGivenFolderIsTakenAsItIsAndIsPortable) {
  const auto found = Find(Folder("here", true), Folder("bin", true), (scratch_.Path() / "elsewhere").string());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->path, scratch_.Path() / "elsewhere");
  EXPECT_EQ(found->mode, DataMode::Portable);
}

TEST_F(DataFolderSearch, TheCurrentFolderComesFirstThenTheProgramsOwn) {
  const fs::path program = Folder("copy", true);
  auto found = Find(Folder("here", true), program);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->path, scratch_.Path() / "here");
  EXPECT_EQ(found->mode, DataMode::Portable);

  found = Find(Folder("empty", false), program);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->path, program);
  EXPECT_EQ(found->mode, DataMode::Portable);
}

TEST_F(DataFolderSearch, AnInstalledCopyIsFoundFromTheProgramsPrefix) {
  Folder("usr/share/games/kerzonk", true);
  auto found = Find(Folder("home", false), Folder("usr/games", false));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->path, scratch_.Path() / "usr/share/games/kerzonk");
  EXPECT_EQ(found->mode, DataMode::Installed);

  Folder("opt/share/kerzonk", true);
  found = Find(Folder("home", false), Folder("opt/bin", false));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->path, scratch_.Path() / "opt/share/kerzonk");
  EXPECT_EQ(found->mode, DataMode::Installed);

  // A portable copy in the current folder comes before the installed one.
  EXPECT_EQ(Find(Folder("here", true), Folder("usr/games", false))->mode, DataMode::Portable);
}

TEST_F(DataFolderSearch, NothingFoundListsTheFoldersSearched) {
  Folder("usr/share/kerzonk", true);  // the wrong place for a program in games/
  const fs::path current = Folder("here", false), program = Folder("usr/games", false);
  EXPECT_FALSE(Find(current, program));
  EXPECT_EQ(searched_, (std::vector<fs::path>{current, program, scratch_.Path() / "usr/share/games/kerzonk"}));
  EXPECT_FALSE(Find(current, ""));
  EXPECT_EQ(searched_, std::vector<fs::path>{current});
}

TEST(DataFolderEntry, MissingDataIsReportedAndTheCurrentFolderKept) {
  e2e::ScratchFolder scratch;
  const fs::path before = fs::current_path();
  fs::current_path(scratch.Path());
  std::ostringstream err;
  launch::EnterDataFolder("", err);
  EXPECT_EQ(fs::current_path(), scratch.Path());
  fs::current_path(before);
  EXPECT_NE(err.str().find("no game data"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find(scratch.Path().string()), std::string::npos) << err.str();
}

}  // namespace
