#include "screens/best_score.h"

#include <cstdio>

#include "screens/best_score_folder.h"

int bestScore = 0;
bool bestScoreFileInUse = true;

namespace {

constexpr uint8_t LineFeed = 0x0A;
constexpr uint8_t CarriageReturn = 0x0D;
constexpr size_t ValueBytes = 4;
constexpr int32_t ShortFileValue = -1;

bool ReadWholeFile(const char* name, std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  uint8_t buffer[64];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + count);
  const bool readable = std::ferror(file) == 0;
  std::fclose(file);
  return readable;
}

bool WriteWholeFile(const char* name, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && flushed && closed;
}

}  // namespace

std::vector<uint8_t> EncodeBestScore(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < ValueBytes; ++i) {
    const auto byte = static_cast<uint8_t>(bits >> (8 * i));
    if (byte == LineFeed) bytes.push_back(CarriageReturn);
    bytes.push_back(byte);
  }
  return bytes;
}

int32_t DecodeBestScore(const std::vector<uint8_t>& bytes) {
  uint32_t bits = 0;
  size_t taken = 0;
  for (size_t i = 0; i < bytes.size() && taken < ValueBytes; ++i, ++taken) {
    uint8_t byte = bytes[i];
    // A CR LF pair stands for one LF; a lone CR is an ordinary byte.
    if (byte == CarriageReturn && i + 1 < bytes.size() && bytes[i + 1] == LineFeed) {
      byte = LineFeed;
      ++i;
    }
    bits |= static_cast<uint32_t>(byte) << (8 * taken);
  }
  if (taken < ValueBytes) return ShortFileValue;
  return static_cast<int32_t>(bits);
}

void ReadBestScore() {
  if (!bestScoreFileInUse) return;
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(BestScorePath().c_str(), bytes)) return;
  bestScore = DecodeBestScore(bytes);
}

void WriteBestScore(int value) {
  if (!bestScoreFileInUse) return;
  if (!MakeBestScoreFolder()) return;
  const std::string temp = BestScoreTempPath(), path = BestScorePath();
  // The old file is replaced only once the new one is complete, so an
  // interrupted save never loses the record.
  if (!WriteWholeFile(temp.c_str(), EncodeBestScore(value))) {
    std::remove(temp.c_str());
    return;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) std::remove(temp.c_str());
}
