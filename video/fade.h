// Palette fades to black and back, one unit per component per step.
#pragma once

#include <cstdint>

#include "platform/platform.h"

extern platform::PaletteEntry fadeEntries[256];
extern int16_t fadeHold[256][3];

void FadeToBlack();
void FadeFromBlack();
