#include "tools/png/png_writer.h"

#include <array>
#include <fstream>

namespace png {
namespace {

constexpr size_t MaxStoredBlock = 65535;

const std::array<uint32_t, 256>& CrcTable() {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// A zlib stream of stored deflate blocks.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t offset = 0;
  do {
    const size_t length = std::min(MaxStoredBlock, raw.size() - offset);
    const bool last = offset + length == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<uint8_t>(length));
    z.push_back(static_cast<uint8_t>(length >> 8));
    z.push_back(static_cast<uint8_t>(~length));
    z.push_back(static_cast<uint8_t>(~length >> 8));
    z.insert(z.end(), raw.begin() + offset, raw.begin() + offset + length);
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(z, Adler32(raw.data(), raw.size()));
  return z;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = CrcTable()[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
  uint32_t a = 1, b = 0;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int width, int height,
                            PixelFormat format) {
  const size_t bytesPerPixel = static_cast<size_t>(format);
  const size_t rowBytes = bytesPerPixel * width;
  std::vector<uint8_t> raw;
  raw.reserve((rowBytes + 1) * height);
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    const auto row = pixels.begin() + rowBytes * y;
    raw.insert(raw.end(), row, row + rowBytes);
  }

  std::vector<uint8_t> header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  const uint8_t colourType = format == PixelFormat::Rgb ? 2 : 6;
  header.insert(header.end(), {8, colourType, 0, 0, 0});

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", StoredZlib(raw));
  PutChunk(out, "IEND", {});
  return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& pixels, int width,
               int height, PixelFormat format) {
  if (width <= 0 || height <= 0 ||
      pixels.size() != static_cast<size_t>(format) * width * height) {
    return false;
  }
  const std::vector<uint8_t> bytes = Encode(pixels, width, height, format);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace png
