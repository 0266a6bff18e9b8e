// The best-score decoder on any bytes: whatever it reads back is stored again
// as bytes that read back the same.
#include "screens/best_score.h"

#include "fuzz/require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  const int32_t value = DecodeBestScore(bytes);
  Require(DecodeBestScore(EncodeBestScore(value)) == value);
  return 0;
}
