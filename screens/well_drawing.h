// The wells: frames, side panel, cells with their animation, next-pair preview, raise gauges.
#pragma once

#include <cstdint>

#include "rules/state.h"

extern uint8_t blockAnimTick[PlayerCount];
extern uint8_t gaugeAnimTick[PlayerCount];

// x of column 0 of a player's well in the current scene.
int WellOriginX(uint8_t player);

void DrawWellFrame(uint8_t player);
void DrawSidePanel();
void DrawWell(uint8_t player);
void DrawRaiseGauge(uint8_t player);
