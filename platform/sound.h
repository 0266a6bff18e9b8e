// The sound device: one voice per effect slot, mixed by the device.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// The wave-format record of a RIFF WAVE file's fmt chunk.
struct WaveFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Opens the output device (44100 Hz, 16-bit, stereo); false when there is none.
  virtual bool Open() = 0;
  // Holds the samples of one effect in the given slot, converted to the device's format.
  virtual bool CreateVoice(int slot, const WaveFormat& format, const uint8_t* data, size_t size) = 0;
  virtual void SetVolume(int slot, int hundredthsOfDecibel) = 0;
  // Plays the slot from its start, cutting off its previous play.
  virtual void Restart(int slot) = 0;
  virtual void ReleaseVoice(int slot) = 0;
  // Holds every voice where it is, or lets them go on.
  virtual void Pause(bool paused) = 0;
  virtual void Close() = 0;
};

}  // namespace platform
