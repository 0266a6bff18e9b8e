// Placeholders until the rules are written.
#include "rules/phases.h"

void SeedBlockRandom(uint32_t) {}
uint32_t NextBlockRandom() { return 0; }
void PhaseSpawnHandler(uint8_t) {}
void PhaseFallingHandler(uint8_t) {}
void PhaseResolveHandler(uint8_t) {}
void PhaseFlashHandler(uint8_t) {}
void PhaseCollapseHandler(uint8_t) {}
void FallTick(uint8_t) {}
void KindUp(uint8_t&) {}
void KindDown(uint8_t&) {}
void AddRunScore(int, uint8_t) {}
void ApplySpecialPair(uint8_t) {}
void SettleVersusTurn(uint8_t) {}
