// Placeholders until the rules are written.
#include "rules/phases.h"

void SeedBlockRandom(uint32_t) {}
uint32_t NextBlockRandom() { return 0; }
void PhaseSpawn(uint8_t) {}
void PhaseFalling(uint8_t) {}
void PhaseResolve(uint8_t) {}
void PhaseFlash(uint8_t) {}
void PhaseCollapse(uint8_t) {}
void FallTick(uint8_t) {}
void KindUp(uint8_t&) {}
void KindDown(uint8_t&) {}
void AddRunScore(int, uint8_t) {}
void ApplySpecialPair(uint8_t) {}
void SettleVersusTurn(uint8_t) {}
