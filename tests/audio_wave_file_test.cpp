#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "audio/wave_file.h"
#include "platform/effect_limits.h"
#include "platform/headless/headless.h"
#include "tests/odd_files.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

// A chunk with its header and, for an odd size, the pad byte.
Bytes Chunk(const char* id, const Bytes& body, uint32_t statedSize) {
  Bytes out(id, id + 4);
  Put32(out, statedSize);
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 == 1) out.push_back(0);
  return out;
}
Bytes Chunk(const char* id, const Bytes& body) { return Chunk(id, body, static_cast<uint32_t>(body.size())); }

Bytes Riff(const char* form, const std::vector<Bytes>& chunks) {
  Bytes body(form, form + 4);
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  return Chunk("RIFF", body);
}

// The 16-byte PCM record, then any extra bytes the chunk carries.
Bytes Fmt(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1, const Bytes& extra = {}) {
  Bytes record;
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  Put16(record, tag);
  Put16(record, channels);
  Put32(record, rate);
  Put32(record, rate * align);
  Put16(record, align);
  Put16(record, bits);
  record.insert(record.end(), extra.begin(), extra.end());
  return Chunk("fmt ", record);
}

Bytes Samples(size_t count) {
  Bytes samples(count);
  for (size_t i = 0; i < count; ++i) samples[i] = static_cast<uint8_t>(i * 7);
  return samples;
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class WaveLoading : public testing::Test {
 protected:
  void SetUp() override {
    headless.Install();
    folder = fs::temp_directory_path() / ("kerzonk_wave_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    ASSERT_EQ(InitSound(), 1);
  }
  void TearDown() override {
    ReleaseSound(EffectCount);
    fs::remove_all(folder);
  }

  // Writes the bytes as a file and loads it as effect 2.
  int Load(const Bytes& bytes) {
    const fs::path path = folder / "effect.wav";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return LoadEffect(path.c_str(), 2);
  }

  void ExpectFailure(const Bytes& bytes, const char* notice) {
    EXPECT_EQ(Load(bytes), 0);
    ASSERT_EQ(headless.host.notices.size(), 1u);
    EXPECT_EQ(headless.host.notices[0].text, notice);
    EXPECT_EQ(headless.host.notices[0].caption, "お知らせ");
    EXPECT_FALSE(headless.sound.voiceLoaded[2]);
  }

  void ExpectLoaded(const Bytes& bytes, size_t sampleBytes) {
    EXPECT_EQ(Load(bytes), 1);
    EXPECT_TRUE(headless.host.notices.empty());
    EXPECT_TRUE(headless.sound.voiceLoaded[2]);
    EXPECT_EQ(headless.sound.voiceBytes[2], sampleBytes);
  }

  platform::Headless headless;
  fs::path folder;
};

TEST_F(WaveLoading, EachFailingStepHasItsOwnNotice) {
  EXPECT_EQ(LoadEffect((folder / "missing.wav").c_str(), 2), 0);
  ASSERT_EQ(headless.host.notices.size(), 1u);
  EXPECT_EQ(headless.host.notices[0].text, "waveファイルの読み込みにに失敗");
}

TEST_F(WaveLoading, NoWaveForm) {
  ExpectFailure(Riff("AVI ", {Fmt(1, 22050, 8), Chunk("data", Samples(10))}), "waveファイルではありませんでした。");
}

TEST_F(WaveLoading, NoFormatChunk) {
  ExpectFailure(Riff("WAVE", {Chunk("data", Samples(10))}), "fmtチャンクにいけませんでした。");
}

TEST_F(WaveLoading, FormatChunkCutShort) {
  Bytes bytes = Riff("WAVE", {Fmt(1, 22050, 8)});
  bytes.erase(bytes.end() - 6, bytes.end());
  ExpectFailure(bytes, "fmtチャンクを読み込めませんでした。");
}

TEST_F(WaveLoading, DataBeforeFormatIsNotFound) {
  ExpectFailure(Riff("WAVE", {Chunk("data", Samples(10)), Fmt(1, 22050, 8)}), "dataチャンクにいけませんでした。");
}

TEST_F(WaveLoading, DataChunkCutShort) {
  Bytes bytes = Riff("WAVE", {Fmt(1, 22050, 8), Chunk("data", Samples(100))});
  bytes.erase(bytes.end() - 30, bytes.end());
  ExpectFailure(bytes, "dataチャンクを読み込めませんでした。");
}

TEST_F(WaveLoading, DataSizeBeyondTheFileFailsWithoutReadingIt) {
  ExpectFailure(Riff("WAVE", {Fmt(1, 22050, 8), Chunk("data", Samples(8), 0xFFFFFFF0u)}),
                "dataチャンクを読み込めませんでした。");
}

TEST_F(WaveLoading, FormatsTheDeviceCannotTakeFailAsBufferCreation) {
  const char* notice = "DirectSoundオフスクリーンバッファの生成に失敗しました。";
  ExpectFailure(Riff("WAVE", {Fmt(1, 22050, 32, 3), Chunk("data", Samples(16))}), notice);  // float
  headless.host.notices.clear();
  ExpectFailure(Riff("WAVE", {Fmt(3, 22050, 16), Chunk("data", Samples(12))}), notice);
  headless.host.notices.clear();
  ExpectFailure(Riff("WAVE", {Fmt(2, 22050, 24), Chunk("data", Samples(12))}), notice);
  headless.host.notices.clear();
  ExpectFailure(Riff("WAVE", {Fmt(1, 22050, 16, 2), Chunk("data", Samples(12))}), notice);  // MS ADPCM
}

TEST_F(WaveLoading, RatesABufferCannotTakeFailAsBufferCreation) {
  const char* notice = "DirectSoundオフスクリーンバッファの生成に失敗しました。";
  for (uint32_t rate : {0u, 1u, platform::LowestEffectRate - 1, platform::HighestEffectRate + 1, 0xFFFFFFFFu}) {
    headless.host.notices.clear();
    ExpectFailure(Riff("WAVE", {Fmt(1, rate, 8), Chunk("data", Samples(16))}), notice);
  }
  headless.host.notices.clear();
  ExpectLoaded(Riff("WAVE", {Fmt(1, platform::LowestEffectRate, 8), Chunk("data", Samples(16))}), 16);
  ExpectLoaded(Riff("WAVE", {Fmt(2, platform::HighestEffectRate, 16), Chunk("data", Samples(16))}), 16);
}

TEST_F(WaveLoading, FileOverTheBoundCannotBeOpened) {
  const fs::path path = folder / "effect.wav";
  ASSERT_TRUE(fixture::MakeSparseFile(path, MaxWaveFileBytes + 1));
  EXPECT_EQ(LoadEffect(path.c_str(), 2), 0);
  ASSERT_EQ(headless.host.notices.size(), 1u);
  EXPECT_EQ(headless.host.notices[0].text, "waveファイルの読み込みにに失敗");
}

TEST_F(WaveLoading, OddSizedChunksAreSkippedWithTheirPadByte) {
  const Bytes oddFmt = Fmt(1, 11025, 8, 1, {0x00});  // 17 bytes, padded to 18
  ExpectLoaded(Riff("WAVE", {Chunk("junk", Samples(3)), oddFmt, Chunk("odd ", Samples(5)), Chunk("data", Samples(7))}),
               7);
  EXPECT_EQ(headless.sound.voiceFormat[2].samplesPerSec, 11025u);
  EXPECT_EQ(headless.sound.voiceFormat[2].bitsPerSample, 8);
}

TEST_F(WaveLoading, ExtensibleFormatKeepsItsRecordAndSkipsTheRest) {
  Bytes extension;
  Put16(extension, 22);  // extra size
  Put16(extension, 16);  // valid bits
  Put32(extension, 3);   // channel mask
  for (uint8_t b : {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71}) extension.push_back(b);
  ExpectLoaded(Riff("WAVE", {Fmt(2, 48000, 16, 0xFFFE, extension), Chunk("data", Samples(40))}), 40);
  EXPECT_EQ(headless.sound.voiceFormat[2].channels, 2);
  EXPECT_EQ(headless.sound.voiceFormat[2].extraSize, 22);
}

TEST_F(WaveLoading, WaveFormAfterAnotherRiffChunkIsFound) {
  Bytes file = Riff("AVI ", {Chunk("data", Samples(3))});
  const Bytes wave = Riff("WAVE", {Fmt(2, 44100, 16), Chunk("data", Samples(64))});
  file.insert(file.end(), wave.begin(), wave.end());
  ExpectLoaded(file, 64);
}

TEST_F(WaveLoading, NothingIsReadWithoutASoundDevice) {
  ReleaseSound(EffectCount);
  EXPECT_EQ(LoadEffect((folder / "missing.wav").c_str(), 2), 1);
  EXPECT_TRUE(headless.host.notices.empty());
}

// Files written by sox; sox itself writes no LIST chunk, so one is put in front of fmt and data.
class SoxWaveLoading : public WaveLoading {
 protected:
  Bytes Sox(const std::string& options) {
    const fs::path path = folder / "sox.wav";
    const std::string command = "sox -n " + options + " '" + path.string() + "' synth 0.05 sine 440 2>/dev/null";
    if (std::system(command.c_str()) != 0) return {};
    return ReadFile(path);
  }
  static Bytes WithListChunks(const Bytes& wave) {
    Bytes list = {'I', 'N', 'F', 'O'};
    const Bytes comment = Chunk("ICMT", {'k', 'e', 'r', 'z', 'o', 'n', 'k'});
    list.insert(list.end(), comment.begin(), comment.end());
    const Bytes listChunk = Chunk("LIST", list);
    Bytes out(wave.begin(), wave.begin() + 12);
    out.insert(out.end(), listChunk.begin(), listChunk.end());
    out.insert(out.end(), wave.begin() + 12, wave.end());
    const uint32_t riffSize = static_cast<uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
    return out;
  }
  void SetUp() override {
    WaveLoading::SetUp();
    if (std::system("sox --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "sox is not installed";
  }
};

TEST_F(SoxWaveLoading, SixteenBitStereoLoads) {
  const Bytes wave = Sox("-r 22050 -b 16 -c 2");
  ASSERT_FALSE(wave.empty());
  ExpectLoaded(wave, 1103 * 4);
  ExpectLoaded(WithListChunks(wave), 1103 * 4);
}

TEST_F(SoxWaveLoading, EightBitMonoWithOddDataLoads) {
  const Bytes wave = Sox("-r 11025 -b 8 -c 1");
  ASSERT_FALSE(wave.empty());
  ExpectLoaded(wave, 551);
  ExpectLoaded(WithListChunks(wave), 551);
  EXPECT_EQ(headless.sound.voiceFormat[2].samplesPerSec, 11025u);
}

}  // namespace
