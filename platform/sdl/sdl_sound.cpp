// Effects through SDL2_mixer: one channel per effect, samples converted to the
// device's format once at load time and held in memory.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <vector>

#include "platform/sdl/effect_conversion.h"
#include "platform/sdl/sdl_audio.h"

namespace platform {

namespace {

constexpr int OutputRate = 44100;
constexpr Uint16 OutputFormat = AUDIO_S16SYS;
constexpr int OutputChannels = 2;
constexpr int OutputBufferFrames = 1024;
constexpr int EffectSlots = 8;

struct Voice {
  std::vector<Uint8> samples;
  Mix_Chunk chunk{};
  bool loaded = false;
};

class SdlSound : public SoundDevice {
 public:
  bool Open() override {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudioDevice(OutputRate, OutputFormat, OutputChannels, OutputBufferFrames, nullptr, 0) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Mix_AllocateChannels(EffectSlots);
    open_ = true;
    return true;
  }

  bool CreateVoice(int slot, const WaveFormat& format, const uint8_t* data, size_t size) override {
    std::vector<Uint8> samples;
    if (!ConvertEffectSamples(format, data, size, OutputFormat, OutputChannels, OutputRate, samples)) return false;
    Mix_HaltChannel(slot);
    Voice& voice = voices_[slot];
    voice.samples = std::move(samples);
    voice.chunk.allocated = 0;
    voice.chunk.abuf = voice.samples.data();
    voice.chunk.alen = static_cast<Uint32>(voice.samples.size());
    voice.chunk.volume = MIX_MAX_VOLUME;
    voice.loaded = true;
    return true;
  }

  // Hundredths of a decibel as a gain of 10^(h / 2000), on the mixer's 0..128 scale.
  void SetVolume(int slot, int hundredthsOfDecibel) override {
    const double gain = std::pow(10.0, hundredthsOfDecibel / 2000.0);
    Mix_VolumeChunk(&voices_[slot].chunk, static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)));
  }

  void Restart(int slot) override {
    if (voices_[slot].loaded) Mix_PlayChannel(slot, &voices_[slot].chunk, 0);
  }

  void ReleaseVoice(int slot) override {
    Mix_HaltChannel(slot);
    voices_[slot] = Voice{};
  }

  void Close() override {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    for (Voice& voice : voices_) voice = Voice{};
    open_ = false;
  }

 private:
  Voice voices_[EffectSlots];
  bool open_ = false;
};

SdlSound sdlSound;

}  // namespace

SoundDevice& SdlSoundDevice() { return sdlSound; }

}  // namespace platform
