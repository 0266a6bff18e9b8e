#include "screens/scatter_random.h"

#include "platform/platform.h"
#include "rules/phases.h"

void SeedScatterFromClock() { SeedBlockRandom(static_cast<uint32_t>(platform::host().CalendarSeconds())); }

uint32_t NextScatterDraw() { return NextBlockRandom(); }
