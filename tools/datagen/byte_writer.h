// Building binary file contents byte by byte and writing them out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

class ByteWriter {
 public:
  void PutU8(uint8_t value) { bytes_.push_back(value); }
  void PutU16LE(uint16_t value);
  void PutU32LE(uint32_t value);
  void PutU16BE(uint16_t value);
  void PutU32BE(uint32_t value);
  void PutText(std::string_view text);  // the characters only, no terminator
  void PutBytes(const Bytes& more);
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

// Writes the bytes to path, creating missing folders; false on any error.
bool WriteByteFile(const std::filesystem::path& path, const Bytes& bytes);
