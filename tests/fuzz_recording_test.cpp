// The recording reader's fuzz entry, run over its seed files, every
// shortening of them at a line's end or inside it, and a few byte values
// at every place of the smallest.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

int Feed(const std::string& bytes) {
  return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(RecordingFuzzEntry, TakesTheSeedsTheirShorteningsAndChangedBytes) {
  const fs::path corpus = fs::path(KERZONK_SOURCE_DIR) / "fuzz" / "corpus" / "recording";
  std::string smallest;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    const std::string seed = e2e::ReadFile(entry.path());
    if (smallest.empty() || seed.size() < smallest.size()) smallest = seed;
    for (size_t end = 0; end <= seed.size(); ++end) {
      if (end % 7 == 0 || seed[end - 1] == '\n') {
        EXPECT_EQ(Feed(seed.substr(0, end)), 0);
      }
    }
  }
  ASSERT_FALSE(smallest.empty());
  for (size_t at = 0; at < smallest.size(); ++at) {
    for (char byte : {'\n', ' ', '#', '0', '9', 'x', '-', '\0', '\xff'}) {
      std::string changed = smallest;
      changed[at] = byte;
      EXPECT_EQ(Feed(changed), 0);
    }
  }
}

}  // namespace
