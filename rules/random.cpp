#include "rules/phases.h"
#include "rules/state.h"

void SeedBlockRandom(uint32_t seed) { randomState = seed; }

uint32_t NextBlockRandom() {
  randomState = randomState * 214013u + 2531011u;
  return (randomState >> 16) & 0x7FFFu;
}

uint8_t DrawBlockColour() { return static_cast<uint8_t>((NextBlockRandom() % 12) * 4); }
