#include "recording/data_checksum.h"

#include <string>
#include <vector>

#include "platform/regular_file.h"
#include "recording/fnv_hash.h"
#include "shell/file_names.h"

namespace {

constexpr uint64_t MaxDataFileBytes = 64u << 20;

enum FileMark : uint8_t { FileRead = 1, FileMissing = 2, FileTooLarge = 3, FileUnreadable = 4 };

void Mix(uint64_t& hash, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) hash = FnvStep(hash, bytes[i]);
}

void MixNumber(uint64_t& hash, uint64_t value) {
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  Mix(hash, bytes, sizeof bytes);
}

// The file's name, then its size and bytes, or what kept them from being read.
void MixFile(uint64_t& hash, const char* name) {
  Mix(hash, name, std::char_traits<char>::length(name) + 1);
  std::vector<uint8_t> bytes;
  switch (platform::ReadRegularFile(name, MaxDataFileBytes, bytes)) {
    case platform::FileReadResult::Ok:
      MixNumber(hash, bytes.size());
      Mix(hash, bytes.data(), bytes.size());
      MixNumber(hash, FileRead);
      return;
    case platform::FileReadResult::CannotOpen:
    case platform::FileReadResult::NotRegular:
      MixNumber(hash, FileMissing);
      return;
    case platform::FileReadResult::TooLarge:
      MixNumber(hash, FileTooLarge);
      return;
    case platform::FileReadResult::ReadFailed:
      MixNumber(hash, FileUnreadable);
      return;
  }
}

}  // namespace

uint64_t DataFilesChecksum() {
  uint64_t hash = FnvStart;
  for (const char* name : PictureFileNames) MixFile(hash, name);
  for (const char* name : EffectFileNames) MixFile(hash, name);
  for (const char* name : MusicFileNames) MixFile(hash, name);
  return hash;
}
