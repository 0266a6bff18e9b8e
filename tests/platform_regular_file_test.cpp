#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/regular_file.h"
#include "tests/odd_files.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using platform::FileReadResult;
using Bytes = std::vector<uint8_t>;

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class RegularFile : public testing::Test {
 protected:
  FileReadResult Whole(const char* path, size_t limit) { return platform::ReadRegularFile(path, limit, bytes); }
  FileReadResult Prefix(const char* path, size_t limit) { return platform::ReadRegularFilePrefix(path, limit, bytes); }

  fixture::ScratchFolder folder{"regular_file"};
  Bytes bytes;
};

TEST_F(RegularFile, WholeFilesUpToTheBoundAndPrefixesOfAnyLength) {
  Write("five", "12345");
  EXPECT_EQ(Whole("five", 5), FileReadResult::Ok);
  EXPECT_EQ(bytes, (Bytes{'1', '2', '3', '4', '5'}));
  EXPECT_EQ(Whole("five", 4), FileReadResult::TooLarge);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(Prefix("five", 2), FileReadResult::Ok);
  EXPECT_EQ(bytes, (Bytes{'1', '2'}));
  EXPECT_EQ(Whole("missing", 5), FileReadResult::CannotOpen);
  // A huge file is refused by its length alone, without reading it.
  ASSERT_TRUE(fixture::MakeSparseFile("huge", uint64_t{1} << 40));
  EXPECT_EQ(Whole("huge", 1 << 20), FileReadResult::TooLarge);
  EXPECT_EQ(Prefix("huge", 3), FileReadResult::Ok);
  EXPECT_EQ(bytes, (Bytes{0, 0, 0}));
}

TEST_F(RegularFile, FifoFolderAndDeviceAreRefusedAtOnce) {
  // Opening a FIFO for reading would wait for a writer forever.
  ASSERT_TRUE(fixture::MakeFifo("fifo"));
  EXPECT_EQ(Whole("fifo", 100), FileReadResult::NotRegular);
  EXPECT_EQ(Prefix("fifo", 100), FileReadResult::NotRegular);
  fs::create_directory("folder");
  EXPECT_EQ(Whole("folder", 100), FileReadResult::NotRegular);
  fixture::LinkToDevZero("zero");
  EXPECT_EQ(Whole("zero", 100), FileReadResult::NotRegular);
  EXPECT_EQ(Prefix("zero", 100), FileReadResult::NotRegular);
}

TEST_F(RegularFile, ReplacementTakesTheNewBytesAndLeavesNoTemporaryFile) {
  Write("value", "old");
  ASSERT_TRUE(platform::ReplaceRegularFile("value", "value.tmp", Bytes{'n', 'e', 'w', '!'}));
  EXPECT_EQ(Read("value"), "new!");
  EXPECT_FALSE(fs::exists("value.tmp"));
  // The folder synced after the rename is the file's own, given with a path too.
  fs::create_directory("sub");
  const std::string inSub = (folder.Path() / "sub" / "value").string();
  ASSERT_TRUE(platform::ReplaceRegularFile(inSub.c_str(), (inSub + ".tmp").c_str(), Bytes{'x'}));
  EXPECT_EQ(Read(inSub), "x");
}

TEST_F(RegularFile, ReplacementFailsWithoutHarmWhenSomethingOddIsInTheWay) {
  // Not a regular file where the value goes: left as it is.
  ASSERT_TRUE(fixture::MakeFifo("fifo"));
  EXPECT_FALSE(platform::ReplaceRegularFile("fifo", "fifo.tmp", Bytes{'1'}));
  EXPECT_EQ(fs::status("fifo").type(), fs::file_type::fifo);
  EXPECT_FALSE(fs::exists("fifo.tmp"));
  fixture::LinkToDevZero("zero");
  EXPECT_FALSE(platform::ReplaceRegularFile("zero", "zero.tmp", Bytes{'1'}));
  EXPECT_TRUE(fs::is_symlink("zero"));
  // The temporary file a FIFO or a link: never waited on, never followed.
  Write("value", "old");
  ASSERT_TRUE(fixture::MakeFifo("value.tmp"));
  EXPECT_FALSE(platform::ReplaceRegularFile("value", "value.tmp", Bytes{'1'}));
  fs::remove("value.tmp");
  Write("elsewhere", "keep");
  fs::create_symlink("elsewhere", "value.tmp");
  EXPECT_FALSE(platform::ReplaceRegularFile("value", "value.tmp", Bytes{'1'}));
  EXPECT_EQ(Read("elsewhere"), "keep");
  EXPECT_EQ(Read("value"), "old");
}

}  // namespace
