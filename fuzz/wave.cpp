// The wave reader on any bytes, then the conversion to the device's format
// (44100 Hz, 16-bit stereo) of whatever it accepts.
#include <SDL.h>

#include "audio/wave_file.h"
#include "fuzz/require.h"
#include "platform/effect_limits.h"
#include "platform/sdl/effect_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WaveData wave;
  if (ParseWave(data, size, wave) != WaveReadResult::Ok) return 0;
  Require(wave.samples.size() <= size);
  if (!IsPlayableFormat(wave.format)) return 0;
  std::vector<uint8_t> converted;
  if (platform::ConvertEffectSamples(wave.format, wave.samples.data(), wave.samples.size(), AUDIO_S16SYS, 2, 44100,
                                     converted)) {
    Require(converted.size() <= platform::MaxEffectConversionBytes);
  }
  return 0;
}
