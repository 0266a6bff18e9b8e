// A frame's mark: six bits of the state hash at the end of the frame, kept
// as one character, so that a recording names the very frame a game parts
// from it for one byte a frame.
#pragma once

#include <cstdint>
#include <string_view>

// The 64 characters a mark is written with, one for each of its values.
constexpr std::string_view MarkAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_";
static_assert(MarkAlphabet.size() == 64, "a mark holds six bits");

char FrameMark(uint64_t stateHash);
bool IsFrameMark(char c);
