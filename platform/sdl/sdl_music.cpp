// Music rendered by the FluidSynth engine into the effects' mixer device,
// through the mixer's music hook.
#include <SDL_mixer.h>

#include "platform/sdl/fluid_music.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/soundfont_search.h"

namespace platform {

namespace {

void FillFromEngine(void* engine, Uint8* stream, int bytes) {
  constexpr int BytesPerFrame = 2 * sizeof(int16_t);
  static_cast<FluidMusicEngine*>(engine)->Fill(reinterpret_cast<int16_t*>(stream), bytes / BytesPerFrame);
}

class SdlMusic : public MusicDevice {
 public:
  MusicOpenResult Open() override {
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS || channels != 2) {
      return MusicOpenResult::NoOutput;
    }
    const MusicOpenResult result = engine_.Open(rate, SoundFontCandidates());
    if (result == MusicOpenResult::Ok) {
      Mix_HookMusic(FillFromEngine, &engine_);
      hooked_ = true;
    }
    return result;
  }

  void Load(int slot, const MidiSong& song) override { engine_.Load(slot, song); }
  void Start(int slot, int repeats) override { engine_.Start(slot, repeats); }
  void Change(int slot, int repeats) override { engine_.Change(slot, repeats); }
  void Unload(int slot) override { engine_.Unload(slot); }
  void Stop() override { engine_.Stop(); }
  void SetVolume(int percent) override { engine_.SetVolume(percent); }
  void Pause(bool paused) override { engine_.Pause(paused); }

  // Unhooking waits for the buffer being mixed; nothing of the music sounds after it.
  void Close() override {
    if (hooked_) Mix_HookMusic(nullptr, nullptr);
    hooked_ = false;
    engine_.Close();
  }

 private:
  FluidMusicEngine engine_;
  bool hooked_ = false;
};

SdlMusic sdlMusic;

}  // namespace

MusicDevice& SdlMusicDevice() { return sdlMusic; }

}  // namespace platform
