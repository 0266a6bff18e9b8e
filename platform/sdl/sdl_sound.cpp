// Effects through SDL2_mixer: one channel per effect, samples converted to the
// device's format once at load time and held in memory.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <vector>

#include "platform/sdl/effect_conversion.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/thread_priority.h"

namespace platform {

namespace {

constexpr int OutputRate = 44100;
constexpr Uint16 OutputFormat = AUDIO_S16SYS;
constexpr int OutputChannels = 2;
// An effect asked for while the mixer fills one buffer starts in the next
// one, which is heard once the buffer queued before it has played: at most
// two buffers, 2 x 512 / 44100 s = 23.2 ms, after the request. Devices that
// will not take 512 frames get 1024 (46.4 ms).
constexpr int OutputBufferFrames[] = {512, 1024};
static_assert(2 * OutputBufferFrames[0] * 1000 / OutputRate < 25, "an effect must be heard within 25 ms");
constexpr int EffectSlots = 8;

// Small buffers leave the mixing thread little slack, so where the system
// allows it the thread takes a modest real-time priority, and busy programs
// cannot hold it back past a buffer. Runs on the mixing thread after each
// buffer is mixed; acts on the first.
void SDLCALL RaiseMixingThread(void* raised, Uint8*, int) {
  bool& done = *static_cast<bool*>(raised);
  if (done) return;
  done = true;
  RaiseThisThread(MixingThreadPriority);
}

struct Voice {
  std::vector<Uint8> samples;
  Mix_Chunk chunk{};
  bool loaded = false;
};

class SdlSound : public SoundDevice {
 public:
  bool Open() override {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (!OpenMixer()) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Mix_AllocateChannels(EffectSlots);
    mixingThreadRaised_ = false;
    Mix_SetPostMix(RaiseMixingThread, &mixingThreadRaised_);
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

  void Pause(bool paused) override {
    if (!open_) return;
    if (paused) {
      Mix_Pause(-1);
    } else {
      Mix_Resume(-1);
    }
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
  static bool OpenMixer() {
    for (int frames : OutputBufferFrames) {
      if (Mix_OpenAudioDevice(OutputRate, OutputFormat, OutputChannels, frames, nullptr, 0) == 0) return true;
    }
    return false;
  }

  Voice voices_[EffectSlots];
  bool mixingThreadRaised_ = false;  // touched by the mixing thread only while the device is open
  bool open_ = false;
};

SdlSound sdlSound;

}  // namespace

SoundDevice& SdlSoundDevice() { return sdlSound; }

}  // namespace platform
