#include "recording/data_checksum.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "shell/file_names.h"

namespace {

constexpr uint64_t HashStart = 0xcbf29ce484222325ull;
constexpr uint64_t HashPrime = 0x100000001b3ull;
constexpr uint64_t MaxDataFileBytes = 64u << 20;

enum FileMark : uint8_t { FileRead = 1, FileMissing = 2, FileTooLarge = 3, FileUnreadable = 4 };

void Mix(uint64_t& hash, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * HashPrime;
}

void MixNumber(uint64_t& hash, uint64_t value) {
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  Mix(hash, bytes, sizeof bytes);
}

// Adds the file's bytes; false when it could not be read to its end.
bool MixContents(uint64_t& hash, const char* name) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  uint8_t buffer[1 << 16];
  size_t count;
  uint64_t total = 0;
  while (total < MaxDataFileBytes && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    Mix(hash, buffer, count);
    total += count;
  }
  const bool complete = std::ferror(file) == 0;
  std::fclose(file);
  return complete;
}

void MixFile(uint64_t& hash, const char* name) {
  Mix(hash, name, std::char_traits<char>::length(name) + 1);
  std::error_code error;
  const std::filesystem::path path = std::filesystem::u8path(name);
  if (!std::filesystem::is_regular_file(path, error)) {
    MixNumber(hash, FileMissing);
    return;
  }
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > MaxDataFileBytes) {
    MixNumber(hash, FileTooLarge);
    return;
  }
  MixNumber(hash, size);
  MixNumber(hash, MixContents(hash, name) ? FileRead : FileUnreadable);
}

}  // namespace

uint64_t DataFilesChecksum() {
  uint64_t hash = HashStart;
  for (const char* name : PictureFileNames) MixFile(hash, name);
  for (const char* name : EffectFileNames) MixFile(hash, name);
  for (const char* name : MusicFileNames) MixFile(hash, name);
  return hash;
}
