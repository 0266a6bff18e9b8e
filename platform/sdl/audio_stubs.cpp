// Placeholder until the SDL sound and music devices are written.
#include "platform/sdl/sdl_audio.h"

namespace platform {

namespace {
class NoSound : public SoundDevice {
 public:
  bool Open() override { return false; }
  bool CreateVoice(int, const WaveFormat&, const uint8_t*, size_t) override { return false; }
  void SetVolume(int, int) override {}
  void Restart(int) override {}
  void ReleaseVoice(int) override {}
  void Close() override {}
};
NoSound noSound;
MusicDevice noMusic;
}  // namespace

SoundDevice& SdlSoundDevice() { return noSound; }
MusicDevice& SdlMusicDevice() { return noMusic; }

}  // namespace platform
