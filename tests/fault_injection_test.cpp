// Every data file of the game broken in every way a hostile user or a bad
// disk could, one test per file: the real program either runs (and ends
// with exit code 0 on SIGTERM) or shows its notice and exits with 1 - within
// 5 s, within 200 MB, and without a sanitizer report.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <thread>

#include "shell/file_names.h"
#include "tests/e2e_support.h"
#include "tests/odd_files.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr auto Deadline = std::chrono::seconds(5);
// How long a program that neither ended nor started its music may take
// before it is told to end; then it must end as a running game does.
constexpr auto StartUpAllowance = std::chrono::seconds(3);
constexpr long MaxResidentKb = 200 * 1024;
constexpr size_t RandomFileBytes = 4 << 20;
constexpr int FlipsPerPlace = 8;
constexpr size_t FrontBytes = 64;

#if KERZONK_SANITIZED
// Resident memory means little under AddressSanitizer (shadow memory and
// quarantine); any single allocation past 256 MB is a report instead.
constexpr bool CheckResidentMemory = false;
constexpr const char* SanitizerOptions = "detect_leaks=0:max_allocation_size_mb=256:allocator_may_return_null=0";
#else
constexpr bool CheckResidentMemory = true;
constexpr const char* SanitizerOptions = "";
#endif

struct DataFile {
  const char* name;
  std::vector<std::string> notices;  // the file's failure notices; a failing run shows one of them
};

void PrintTo(const DataFile& file, std::ostream* out) { *out << file.name; }

// A fault: what it is called, and how it turns the good file into a bad one.
struct Fault {
  std::string name;
  std::function<void(const fs::path& path, const Bytes& good)> apply;
};

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

Fault TruncatedTo(const std::string& name, std::function<size_t(size_t)> length) {
  return {name, [length](const fs::path& path, const Bytes& good) {
            WriteBytes(path, Bytes(good.begin(), good.begin() + std::min(good.size(), length(good.size()))));
          }};
}

// One byte changed to another value, at a place drawn from the seed within
// the first `within` bytes.
Fault FlippedByte(const std::string& name, uint32_t seed, size_t within) {
  return {name, [seed, within](const fs::path& path, const Bytes& good) {
            std::mt19937 draw(seed);
            Bytes bad = good;
            const size_t at = draw() % std::min(within, bad.size());
            bad[at] ^= static_cast<uint8_t>(1 + draw() % 255);
            WriteBytes(path, bad);
          }};
}

std::vector<Fault> Faults(uint32_t fileSeed) {
  std::vector<Fault> faults = {
      {"missing", [](const fs::path&, const Bytes&) {}},
      {"empty", [](const fs::path& path, const Bytes&) { WriteBytes(path, {}); }},
  };
  for (size_t length : {1, 14, 54, 100}) {
    faults.push_back(TruncatedTo("cut to " + std::to_string(length) + " bytes", [length](size_t) { return length; }));
  }
  faults.push_back(TruncatedTo("cut to 50%", [](size_t size) { return size / 2; }));
  faults.push_back(TruncatedTo("cut to 90%", [](size_t size) { return size * 9 / 10; }));
  for (uint32_t i = 0; i < FlipsPerPlace; ++i) {
    faults.push_back(
        FlippedByte("byte flip " + std::to_string(i) + " in the first 64", fileSeed * 100 + i, FrontBytes));
    faults.push_back(FlippedByte("byte flip " + std::to_string(i) + " anywhere", fileSeed * 100 + 50 + i, SIZE_MAX));
  }
  faults.push_back({"4 MB of random bytes", [fileSeed](const fs::path& path, const Bytes&) {
                      std::mt19937 draw(fileSeed);
                      Bytes noise(RandomFileBytes);
                      for (uint8_t& byte : noise) byte = static_cast<uint8_t>(draw());
                      WriteBytes(path, noise);
                    }});
  faults.push_back({"a folder", [](const fs::path& path, const Bytes&) { fs::create_directory(path); }});
  faults.push_back({"a FIFO", [](const fs::path& path, const Bytes&) { fixture::MakeFifo(path); }});
  faults.push_back({"a link to /dev/zero", [](const fs::path& path, const Bytes&) { fixture::LinkToDevZero(path); }});
  return faults;
}

// Once the title music sounds, start-up is over and the frame loop runs.
// The synthesiser's dither alone leaves samples of +-1 in the device's
// 16-bit output; the music is far louder, block after block.
class AudioWatch {
 public:
  explicit AudioWatch(fs::path path) : path_(std::move(path)) {}
  bool Heard() {
    std::ifstream audio(path_, std::ios::binary);
    audio.seekg(static_cast<std::streamoff>(sizeof(Block) * blocksSeen_));
    Block block;
    while (audio.read(reinterpret_cast<char*>(block.data()), sizeof block)) {
      ++blocksSeen_;
      if (std::any_of(block.begin(), block.end(), [](int16_t s) { return s > Loud || s < -Loud; })) ++loudBlocks_;
    }
    return loudBlocks_ >= LoudBlocksForMusic;
  }

 private:
  using Block = std::array<int16_t, 2048>;  // 23 ms of 44100 Hz stereo
  static constexpr int16_t Loud = 256;
  static constexpr int LoudBlocksForMusic = 4;
  fs::path path_;
  size_t blocksSeen_ = 0;
  int loudBlocks_ = 0;
};

bool HasSanitizerReport(const std::string& errors) {
  return errors.find("Sanitizer") != std::string::npos || errors.find("runtime error:") != std::string::npos;
}

class FaultInjection : public testing::TestWithParam<DataFile> {
 protected:
  // Runs the game with the file broken by the fault; failures name the fault.
  void RunWith(const Fault& fault, const Bytes& good) {
    const fs::path file = game / fs::u8path(GetParam().name);
    fs::remove_all(file);
    fault.apply(file, good);
    fs::remove(scratch.Path() / "audio.raw");

    auto environment = e2e::HeadlessDrivers(scratch.Path());
    if (*SanitizerOptions != '\0') environment["ASAN_OPTIONS"] = SanitizerOptions;
    const auto start = Clock::now();
    e2e::Child child({(game / "kerzonk").string()}, environment, game, scratch.Path() / "run");
    ASSERT_TRUE(child.Started());
    AudioWatch audio(scratch.Path() / "audio.raw");
    bool endedByItself = false;
    while (Clock::now() - start < StartUpAllowance) {
      if (!child.Running()) {
        endedByItself = true;
        break;
      }
      if (audio.Heard()) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!endedByItself) child.Signal(SIGTERM);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - (Clock::now() - start));
    const int exitCode = child.Wait(static_cast<int>(std::max<int64_t>(left.count(), 0)));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const std::string errors = e2e::WithoutDiskDriverBanner(child.Errors());

    SCOPED_TRACE(std::string(GetParam().name) + ", " + fault.name + ":\n" + errors);
    EXPECT_LE(seconds, std::chrono::duration<double>(Deadline).count());
    EXPECT_FALSE(HasSanitizerReport(errors));
    if (CheckResidentMemory) {
      EXPECT_LE(child.PeakResidentKb(), MaxResidentKb);
    }
    if (endedByItself) {
      EXPECT_EQ(exitCode, 1);
      EXPECT_TRUE(ShowsItsNotice(errors));
      ++noticeRuns;
    } else {
      EXPECT_EQ(exitCode, 0);
      EXPECT_EQ(errors, "") << "a run ended by SIGTERM shows nothing";
      ++playingRuns;
    }
    std::printf("%-14s %-28s %-24s %5.2f s %6ld KB\n", GetParam().name, fault.name.c_str(),
                endedByItself ? "notice, exit 1" : "ran, exit 0 on SIGTERM", seconds, child.PeakResidentKb());
  }

  bool ShowsItsNotice(const std::string& errors) const {
    return std::any_of(GetParam().notices.begin(), GetParam().notices.end(), [&errors](const std::string& text) {
      return errors.find("お知らせ: " + text) != std::string::npos;
    });
  }

  e2e::ScratchFolder scratch;
  fs::path game = e2e::CopyGameFolder(scratch);
  int noticeRuns = 0;
  int playingRuns = 0;
};

TEST_P(FaultInjection, RunsOrShowsItsNoticeWithinBounds) {
  const fs::path file = game / fs::u8path(GetParam().name);
  std::ifstream in(file, std::ios::binary);
  const Bytes good(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(good.empty());
  uint32_t seed = 0;
  for (char c : std::string(GetParam().name)) seed = seed * 31 + static_cast<uint8_t>(c);
  for (const Fault& fault : Faults(seed)) RunWith(fault, good);
  std::printf("%s: %d faults, %d ran, %d showed their notice\n", GetParam().name, noticeRuns + playingRuns, playingRuns,
              noticeRuns);
}

std::vector<DataFile> EveryDataFile() {
  const std::vector<std::string> picture = {"ビットマップのロードに失敗しました。"};
  const std::vector<std::string> effect = {"waveファイルの読み込みにに失敗",
                                           "waveファイルではありませんでした。",
                                           "fmtチャンクにいけませんでした。",
                                           "fmtチャンクを読み込めませんでした。",
                                           "dataチャンクにいけませんでした。",
                                           "dataチャンクを読み込めませんでした。",
                                           "DirectSoundオフスクリーンバッファの生成に失敗しました。"};
  const std::vector<std::string> music = {"LoadMIDISegment失敗"};
  std::vector<DataFile> files;
  for (const char* name : PictureFileNames) files.push_back({name, picture});
  for (const char* name : EffectFileNames) files.push_back({name, effect});
  for (const char* name : MusicFileNames) files.push_back({name, music});
  return files;
}

std::string CaseName(const testing::TestParamInfo<DataFile>& info) {
  std::string name;
  for (char c : fs::u8path(info.param.name).filename().string()) {
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachDataFile, FaultInjection, testing::ValuesIn(EveryDataFile()), CaseName);

}  // namespace
