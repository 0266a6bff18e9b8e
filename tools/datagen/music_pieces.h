// The two pieces of background music, each a complete Standard MIDI File.
#pragma once

#include "tools/datagen/byte_writer.h"

// The title theme: calm and light, F major, 96 beats a minute, 16 bars.
Bytes ComposeTitleTheme();

// The game theme: driving, A minor, 140 beats a minute, 32 bars.
Bytes ComposeGameTheme();
