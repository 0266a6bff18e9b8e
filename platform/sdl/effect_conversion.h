// Converting an effect's samples to the sound device's format, within the
// bounds of platform/effect_limits.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sound.h"

namespace platform {

// The samples of an 8- or 16-bit PCM effect in the output format (an SDL
// audio format, channels and rate). False when SDL cannot convert them, the
// rate is not one an effect may have, or the conversion would need more room
// than an effect may take.
bool ConvertEffectSamples(const WaveFormat& format, const uint8_t* data, size_t size, uint16_t outputFormat,
                          int outputChannels, int outputRate, std::vector<uint8_t>& converted);

}  // namespace platform
