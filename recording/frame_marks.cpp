#include "recording/frame_marks.h"

#include <array>

namespace {

constexpr std::array<bool, 256> MarkCharacters = [] {
  std::array<bool, 256> table{};
  for (char c : MarkAlphabet) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

}  // namespace

// The hash's top bits: the state hash mixes every element into all of them.
char FrameMark(uint64_t stateHash) { return MarkAlphabet[stateHash >> 58]; }

bool IsFrameMark(char c) { return MarkCharacters[static_cast<unsigned char>(c)]; }
