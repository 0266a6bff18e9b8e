// The 64-bit FNV-1a hash, shared by the game-state hash and the data checksum.
#pragma once

#include <cstdint>

constexpr uint64_t FnvStart = 0xcbf29ce484222325ull;

// Folds one value into the hash.
constexpr uint64_t FnvStep(uint64_t hash, uint64_t value) { return (hash ^ value) * 0x100000001b3ull; }
