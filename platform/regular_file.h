// Reading and replacing the game's own files. Only regular files are read:
// a folder, a device or a FIFO in a file's place reads as missing, without
// ever waiting for a writer, and no read takes more than its bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class FileReadResult : uint8_t {
  Ok,
  CannotOpen,  // missing or not readable
  NotRegular,  // a folder, device, FIFO or socket
  TooLarge,    // longer than the bound (whole-file reads only)
  ReadFailed,
};

// The whole file, when it holds at most maxBytes bytes.
FileReadResult ReadRegularFile(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes);
// The same as text.
FileReadResult ReadRegularText(const std::string& path, size_t maxBytes, std::string& text);
// The first bytes of the file, at most maxBytes of them, however long it is.
FileReadResult ReadRegularFilePrefix(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes);

// Writes bytes to tempPath, syncs them, renames the file over path and syncs
// the folder holding path, so that neither a killed process nor a power cut
// leaves a partial file behind. False when any step fails; path then still
// holds what it held. A path that exists but is not a regular file is left
// alone and the write fails.
bool ReplaceRegularFile(const char* path, const char* tempPath, const std::vector<uint8_t>& bytes);

// The same for text, through the temporary file path + ".tmp".
bool ReplaceRegularText(const std::string& path, const std::string& text);

}  // namespace platform
