// What the sound device takes for an effect: the sample rates a buffer
// accepts, and how large an effect may grow when it is converted to the
// device's format.
#pragma once

#include <cstdint>

namespace platform {

constexpr uint32_t LowestEffectRate = 100;
constexpr uint32_t HighestEffectRate = 200000;
constexpr uint64_t MaxEffectConversionBytes = uint64_t{64} << 20;

// Whether converting sourceBytes of samples, which needs growth bytes of room
// for each source byte, stays within MaxEffectConversionBytes.
constexpr bool EffectConversionFits(uint64_t sourceBytes, uint64_t growth) {
  return growth >= 1 && sourceBytes <= MaxEffectConversionBytes / growth;
}

}  // namespace platform
