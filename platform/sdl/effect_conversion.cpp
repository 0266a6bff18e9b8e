#include "platform/sdl/effect_conversion.h"

#include <SDL.h>

#include "platform/effect_limits.h"

namespace platform {

bool ConvertEffectSamples(const WaveFormat& format, const uint8_t* data, size_t size, uint16_t outputFormat,
                          int outputChannels, int outputRate, std::vector<uint8_t>& converted) {
  if (format.samplesPerSec < LowestEffectRate || format.samplesPerSec > HighestEffectRate) return false;
  if (format.blockAlign == 0) return false;
  const SDL_AudioFormat sourceFormat = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  SDL_AudioCVT convert;
  if (SDL_BuildAudioCVT(&convert, sourceFormat, static_cast<Uint8>(format.channels),
                        static_cast<int>(format.samplesPerSec), outputFormat, static_cast<Uint8>(outputChannels),
                        outputRate) < 0) {
    return false;
  }
  // SDL converts in place in a buffer len_mult times the source's length.
  const size_t whole = size - size % format.blockAlign;
  if (!EffectConversionFits(whole, static_cast<uint64_t>(convert.len_mult))) return false;
  converted.assign(data, data + whole);
  converted.resize(whole * static_cast<size_t>(convert.len_mult));
  convert.buf = converted.data();
  convert.len = static_cast<int>(whole);
  if (convert.needed && SDL_ConvertAudio(&convert) != 0) return false;
  converted.resize(static_cast<size_t>(convert.needed ? convert.len_cvt : convert.len));
  return true;
}

}  // namespace platform
