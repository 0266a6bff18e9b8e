// The real program under SDL's dummy video and disk audio drivers, in a
// scratch copy of the game folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "settings/settings.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int RunMs = 2000;
constexpr int EndMs = 10000;

// Starts the game, lets it run, then ends it as the system would at shutdown.
void RunsAndEndsOnSigterm(const e2e::ScratchFolder& scratch, const fs::path& game) {
  e2e::Child child({(game / "kerzonk").string()}, e2e::HeadlessDrivers(scratch.Path()), game, scratch.Path() / "game");
  ASSERT_TRUE(child.Started());
  std::this_thread::sleep_for(std::chrono::milliseconds(RunMs));
  ASSERT_TRUE(child.Running()) << child.Errors();
  child.Signal(SIGTERM);
  EXPECT_EQ(child.Wait(EndMs), 0);
  EXPECT_EQ(e2e::WithoutDiskDriverBanner(child.Errors()), "");
}

TEST(GameBinary, RunsTwoSecondsAndEndsCleanlyOnSigterm) {
  e2e::ScratchFolder scratch;
  RunsAndEndsOnSigterm(scratch, e2e::CopyGameFolder(scratch));
}

TEST(GameBinary, RunsWithAnUnwritableBestScoreFile) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  // A folder in its place cannot be written as a file, not even by root.
  fs::create_directory(game / BestScoreFileName);
  RunsAndEndsOnSigterm(scratch, game);
}

// The test's own config folder holds the settings file (see e2e::Child).
fs::path SettingsFileOf(const fs::path& game) { return game / ".config" / "kerzonk" / "kerzonk.ini"; }

TEST(GameBinary, WritesTheCommentedSettingsFileAtFirstStart) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  RunsAndEndsOnSigterm(scratch, game);
  EXPECT_EQ(e2e::ReadFile(SettingsFileOf(game)), DefaultSettingsText());
}

TEST(GameBinary, ReportsABadSettingsLineAndStartsAnyway) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  fs::create_directories(SettingsFileOf(game).parent_path());
  e2e::WriteFile(SettingsFileOf(game), "[display]\nfull_screen = no\n[sound]\nmusic_volume = 300\n");
  e2e::Child child({(game / "kerzonk").string()}, e2e::HeadlessDrivers(scratch.Path()), game, scratch.Path() / "game");
  std::this_thread::sleep_for(std::chrono::milliseconds(RunMs));
  ASSERT_TRUE(child.Running()) << child.Errors();
  child.Signal(SIGTERM);
  EXPECT_EQ(child.Wait(EndMs), 0);
  EXPECT_EQ(e2e::WithoutDiskDriverBanner(child.Errors()),
            SettingsFileOf(game).string() +
                ":4: music_volume is a whole number from 0 to 100, not \"300\"; the entry keeps its default\n");
}

struct MissingFile {
  const char* file;
  std::vector<std::string> notices;
};

void PrintTo(const MissingFile& missing, std::ostream* out) { *out << missing.file; }

class GameBinaryMissingFile : public testing::TestWithParam<MissingFile> {};

TEST_P(GameBinaryMissingFile, ShowsItsNoticesAndExitsWithOne) {
  e2e::ScratchFolder scratch;
  const fs::path game = e2e::CopyGameFolder(scratch);
  fs::remove(game / fs::u8path(GetParam().file));
  e2e::Child child({(game / "kerzonk").string()}, e2e::HeadlessDrivers(scratch.Path()), game, scratch.Path() / "game");
  EXPECT_EQ(child.Wait(EndMs), 1);
  const std::string shown = child.Output() + child.Errors();
  size_t from = 0;
  for (const std::string& notice : GetParam().notices) {
    const size_t at = shown.find(notice, from);
    EXPECT_NE(at, std::string::npos) << "missing \"" << notice << "\" in order, got:\n" << shown;
    if (at != std::string::npos) from = at + notice.size();
  }
}

const std::string PictureNotice = "ビットマップのロードに失敗しました。";
const std::string WaveNotice = "waveファイルの読み込みにに失敗";
const std::vector<std::string> MidiNotices = {"GetObject失敗", "LoadMIDISegment失敗"};

std::vector<MissingFile> EveryDataFile() {
  std::vector<MissingFile> cases;
  for (const char* name : PictureFileNames) cases.push_back({name, {PictureNotice}});
  for (const char* name : EffectFileNames) cases.push_back({name, {WaveNotice}});
  for (const char* name : MusicFileNames) cases.push_back({name, MidiNotices});
  return cases;
}

std::string CaseName(const testing::TestParamInfo<MissingFile>& info) {
  std::string name = std::to_string(info.index) + "_";
  for (char c : fs::u8path(info.param.file).filename().string()) {
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachFile, GameBinaryMissingFile, testing::ValuesIn(EveryDataFile()), CaseName);

}  // namespace
