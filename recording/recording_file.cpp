#include "recording/recording_file.h"

#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"
#include "recording/recording_text.h"

bool ReadTextFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error) {
  errno = 0;
  switch (platform::ReadRegularText(path, maxBytes, text)) {
    case platform::FileReadResult::Ok:
      return true;
    case platform::FileReadResult::NotRegular:
      error = "cannot read " + path + ": not a regular file";
      return false;
    case platform::FileReadResult::TooLarge:
      error = path + " is longer than " + std::to_string(maxBytes) + " bytes";
      return false;
    default:
      error = "cannot read " + path;
      if (errno != 0) error += std::string(": ") + std::strerror(errno);
      return false;
  }
}

bool ReadRecordingFile(const std::string& path, Recording& recording, std::string& error) {
  std::string text;
  if (!ReadTextFile(path, MaxRecordingFileBytes, text, error)) return false;
  if (ParseRecording(text, recording, error)) return true;
  error = path + ": " + error;
  return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error) {
  errno = 0;
  if (platform::ReplaceRegularText(path, text)) return true;
  error = "cannot write " + path;
  if (errno != 0) error += std::string(": ") + std::strerror(errno);
  return false;
}
