// The handlers of the player phases and the rules they share.
#pragma once

#include <cstdint>

// Block generator: state x 214013 + 2531011, output bits 16..30.
void SeedBlockRandom(uint32_t seed);
uint32_t NextBlockRandom();
// One draw as an ordinary block code: (draw mod 12) x 4.
uint8_t DrawBlockColour();

void PhaseSpawnHandler(uint8_t player);
void PhaseFallingHandler(uint8_t player);
void PhaseResolveHandler(uint8_t player);
void PhaseFlashHandler(uint8_t player);
void PhaseCollapseHandler(uint8_t player);

void FallTick(uint8_t player);
void KindUp(uint8_t& cell);
void KindDown(uint8_t& cell);
void AddRunScore(int points, uint8_t player);
void ApplySpecialPair(uint8_t player);
// At the end of a solo turn: every 50 blocks removed owe one special pair.
void EarnSpecialPair();
// Raise and attack points at the end of a versus turn.
void SettleVersusTurn(uint8_t player);
