#include "tools/datagen/byte_writer.h"

#include <fstream>
#include <system_error>

void ByteWriter::PutU16LE(uint16_t value) {
  PutU8(value & 0xFF);
  PutU8(value >> 8);
}

void ByteWriter::PutU32LE(uint32_t value) {
  PutU16LE(value & 0xFFFF);
  PutU16LE(value >> 16);
}

void ByteWriter::PutU16BE(uint16_t value) {
  PutU8(value >> 8);
  PutU8(value & 0xFF);
}

void ByteWriter::PutU32BE(uint32_t value) {
  PutU16BE(value >> 16);
  PutU16BE(value & 0xFFFF);
}

void ByteWriter::PutText(std::string_view text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ByteWriter::PutBytes(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }

bool WriteByteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (error) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
