#include "platform/bitmap_file.h"

namespace platform {

bool ReadIndexedBitmap(const std::string&, IndexedBitmap&) { return false; }

}  // namespace platform
