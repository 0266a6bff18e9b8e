#include "platform/bitmap_file.h"

#include <algorithm>
#include <cstring>

#include "platform/regular_file.h"

namespace platform {

namespace {

constexpr size_t FileHeaderBytes = 14;
constexpr uint32_t CoreHeaderBytes = 12;  // the old OS/2 header with 16-bit sizes
constexpr uint32_t InfoHeaderBytes = 40;
constexpr uint32_t CompressionNone = 0;
constexpr uint32_t CompressionRle8 = 1;
constexpr uint32_t TableEntries = 256;

uint32_t Little(const uint8_t* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

struct Header {
  int64_t width = 0;
  int64_t height = 0;  // negative for a top-down file
  uint32_t compression = CompressionNone;
  uint64_t tableAt = 0;
  uint32_t tableEntries = 0;
  uint32_t entryBytes = 0;  // 3 after the OS/2 header, 4 after the Windows one
  uint64_t pixelsAt = 0;
};

bool ReadHeader(const uint8_t* bytes, size_t size, Header& header) {
  if (size < FileHeaderBytes + 4 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  header.pixelsAt = Little(bytes + 10, 4);
  const uint32_t infoBytes = Little(bytes + 14, 4);
  if (infoBytes != CoreHeaderBytes && infoBytes < InfoHeaderBytes) return false;
  if (infoBytes > size - FileHeaderBytes) return false;
  const uint8_t* info = bytes + FileHeaderBytes;
  header.tableAt = FileHeaderBytes + infoBytes;
  header.tableEntries = TableEntries;
  if (infoBytes == CoreHeaderBytes) {
    header.width = Little(info + 4, 2);
    header.height = Little(info + 6, 2);
    header.entryBytes = 3;
    return Little(info + 10, 2) == 8;
  }
  header.width = static_cast<int32_t>(Little(info + 4, 4));
  header.height = static_cast<int32_t>(Little(info + 8, 4));
  header.compression = Little(info + 16, 4);
  const uint32_t coloursUsed = Little(info + 32, 4);
  if (coloursUsed != 0) header.tableEntries = std::min(coloursUsed, TableEntries);
  header.entryBytes = 4;
  return Little(info + 14, 2) == 8 && (header.compression == CompressionNone || header.compression == CompressionRle8);
}

bool SideFits(int64_t side) { return side >= 1 && side <= MaxBitmapSide; }

void ReadColourTable(const uint8_t* table, const Header& header, IndexedBitmap& bitmap) {
  for (uint32_t i = 0; i < TableEntries; ++i) {
    bitmap.colours[i] = PaletteEntry{};
    if (i >= header.tableEntries) continue;
    const uint8_t* entry = table + static_cast<size_t>(i) * header.entryBytes;
    bitmap.colours[i] = PaletteEntry{entry[2], entry[1], entry[0], 0};
  }
}

// Rows of whole 4-byte groups, bottom row first unless the height is negative.
bool DecodeUncompressed(const uint8_t* bytes, size_t size, const Header& header, IndexedBitmap& bitmap) {
  const uint64_t rowBytes = (static_cast<uint64_t>(bitmap.width) + 3) / 4 * 4;
  const uint64_t pixelBytes = rowBytes * static_cast<uint64_t>(bitmap.height);
  if (header.pixelsAt > size || pixelBytes > size - header.pixelsAt) return false;
  bitmap.pixels.resize(static_cast<size_t>(bitmap.width) * bitmap.height);
  const bool topDown = header.height < 0;
  for (int row = 0; row < bitmap.height; ++row) {
    const int y = topDown ? row : bitmap.height - 1 - row;
    std::memcpy(&bitmap.pixels[static_cast<size_t>(y) * bitmap.width], bytes + header.pixelsAt + row * rowBytes,
                static_cast<size_t>(bitmap.width));
  }
  return true;
}

// Run-length encoded rows, always from the bottom row up. Pixels that fall
// outside the picture are dropped; every step reads at least one byte, so the
// work is bounded by the file's length. The data must end with its
// end-of-picture mark.
class Rle8Decoder {
 public:
  Rle8Decoder(const uint8_t* data, size_t size, IndexedBitmap& bitmap)
      : data_(data), size_(size), bitmap_(bitmap), y_(bitmap.height - 1) {}

  bool Decode() {
    uint8_t count, value;
    while (Next(count) && Next(value)) {
      if (count > 0) {
        Fill(count, value);
        continue;
      }
      switch (value) {
        case 0:  // end of row
          x_ = 0;
          Down(1);
          break;
        case 1:  // end of picture
          return true;
        case 2: {  // skip right and up
          uint8_t right, up;
          if (!Next(right) || !Next(up)) return false;
          x_ = std::min<int64_t>(x_ + right, bitmap_.width);
          Down(up);
          break;
        }
        default:  // value literal pixels, padded to an even count
          if (size_ - at_ < value + (value & 1u)) return false;
          Copy(data_ + at_, value);
          at_ += value + (value & 1u);
          break;
      }
    }
    return false;
  }

 private:
  bool Next(uint8_t& byte) {
    if (at_ >= size_) return false;
    byte = data_[at_++];
    return true;
  }
  void Down(int rows) { y_ = std::max<int64_t>(y_ - rows, -1); }
  // The part of [x, x + count) inside the current row, then x moves on.
  size_t Clip(int count, uint8_t*& target) {
    const int64_t from = x_;
    x_ = std::min<int64_t>(x_ + count, bitmap_.width);
    if (y_ < 0 || x_ == from) return 0;
    target = &bitmap_.pixels[static_cast<size_t>(y_) * bitmap_.width + from];
    return static_cast<size_t>(x_ - from);
  }
  void Fill(int count, uint8_t value) {
    uint8_t* target = nullptr;
    const size_t inside = Clip(count, target);
    if (inside > 0) std::memset(target, value, inside);
  }
  void Copy(const uint8_t* source, int count) {
    uint8_t* target = nullptr;
    const size_t inside = Clip(count, target);
    if (inside > 0) std::memcpy(target, source, inside);
  }

  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
  IndexedBitmap& bitmap_;
  int64_t x_ = 0;
  int64_t y_;
};

}  // namespace

bool DecodeIndexedBitmap(const uint8_t* bytes, size_t size, IndexedBitmap& bitmap) {
  Header header;
  if (!ReadHeader(bytes, size, header)) return false;
  if (!SideFits(header.width) || !SideFits(header.height < 0 ? -header.height : header.height)) return false;
  const uint64_t tableBytes = static_cast<uint64_t>(header.tableEntries) * header.entryBytes;
  if (header.tableAt + tableBytes > size) return false;

  bitmap.width = static_cast<int>(header.width);
  bitmap.height = static_cast<int>(header.height < 0 ? -header.height : header.height);
  bitmap.pixels.clear();
  ReadColourTable(bytes + header.tableAt, header, bitmap);
  if (header.compression == CompressionNone) return DecodeUncompressed(bytes, size, header, bitmap);
  if (header.pixelsAt > size) return false;
  bitmap.pixels.assign(static_cast<size_t>(bitmap.width) * bitmap.height, 0);
  Rle8Decoder decoder(bytes + header.pixelsAt, size - header.pixelsAt, bitmap);
  return decoder.Decode();
}

bool ReadIndexedBitmap(const std::string& path, IndexedBitmap& bitmap) {
  std::vector<uint8_t> bytes;
  if (ReadRegularFilePrefix(path.c_str(), MaxBitmapFileBytes, bytes) != FileReadResult::Ok) return false;
  return DecodeIndexedBitmap(bytes.data(), bytes.size(), bitmap);
}

}  // namespace platform
