#include "screens/best_score.h"

#include "platform/regular_file.h"
#include "screens/best_score_folder.h"

int bestScore = 0;
bool bestScoreFileInUse = true;

namespace {

constexpr uint8_t LineFeed = 0x0A;
constexpr uint8_t CarriageReturn = 0x0D;
constexpr size_t ValueBytes = 4;
constexpr int32_t ShortFileValue = -1;
// Four bytes of value, each stored as at most two bytes.
constexpr size_t MaxStoredBytes = 2 * ValueBytes;

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
  // Only the first bytes make the value, so only they are read.
  std::vector<uint8_t> bytes;
  if (platform::ReadRegularFilePrefix(BestScorePath().c_str(), MaxStoredBytes, bytes) != platform::FileReadResult::Ok) return;
  bestScore = DecodeBestScore(bytes);
}

void WriteBestScore(int value) {
  if (!bestScoreFileInUse) return;
  if (!MakeBestScoreFolder()) return;
  // The old file is replaced only once the new one is complete and on disk,
  // so an interrupted save never loses the record.
  platform::ReplaceRegularFile(BestScorePath().c_str(), BestScoreTempPath().c_str(), EncodeBestScore(value));
}
