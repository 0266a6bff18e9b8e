// The music engine: FluidSynth as the synthesiser, our sequencer as its
// player. The game thread posts requests; the audio thread takes them at the
// start of each buffer and renders. FluidSynth synthesises at half the
// output's rate, which halves its cost, and the result is doubled to the
// output's rate: the music's pieces hold next to nothing above 11 kHz.
#pragma once

#include <fluidsynth.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/music.h"
#include "platform/music_sequencer.h"
#include "platform/rate_doubler.h"

namespace platform {

class FluidMusicEngine : private MusicSink {
 public:
  FluidMusicEngine() = default;
  FluidMusicEngine(const FluidMusicEngine&) = delete;
  FluidMusicEngine& operator=(const FluidMusicEngine&) = delete;
  ~FluidMusicEngine() override { Close(); }

  // Creates the synthesiser and loads the first SoundFont of the list that loads.
  MusicOpenResult Open(int framesPerSecond, const std::vector<std::string>& soundFonts);
  void Load(int slot, const MidiSong& song);
  void Unload(int slot);
  void Start(int slot, int repeats);
  void Change(int slot, int repeats);
  void Stop();
  // 0..100 percent of the engine's own gain.
  void SetVolume(int percent);
  // While paused the sequencer stands still and the output is silent.
  void Pause(bool paused);
  // Only once nothing renders any more.
  void Close();

  // Audio thread: writes frames of interleaved 16-bit stereo.
  void Fill(int16_t* stereo, int frames);

 private:
  enum class CommandKind { Load, Unload, Start, Change, Stop, Volume, Pause };
  struct Command {
    CommandKind kind;
    int slot = 0;
    int repeats = 0;  // also the volume's percent, and 1 for a pause
    std::shared_ptr<const MidiSong> song;
  };

  void Post(Command command);
  void Carry(const Command& command);

  void Render(int64_t frames) override;
  void Send(const MidiEvent& event) override;
  void EndNotes(bool resetChannels) override;
  void Hush() override;
  // Drops what the rate doubling holds from the sound before.
  void ForgetDoubling();

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  std::unique_ptr<MusicSequencer> sequencer_;

  std::mutex mailboxLock_;
  std::vector<Command> mailbox_;
  std::vector<Command> taken_;  // audio thread only

  bool paused_ = false;  // audio thread only

  int16_t* output_ = nullptr;  // the buffer being filled, and how far
  int64_t written_ = 0;

  // Audio thread: FluidSynth's frames at half rate, and the second of a
  // doubled pair left over when a render ended on an odd frame.
  static constexpr int SynthChunk = 256;
  float synthLeft_[SynthChunk] = {};
  float synthRight_[SynthChunk] = {};
  RateDoubler doubler_;
  int16_t leftOver_[2] = {};
  bool hasLeftOver_ = false;
};

}  // namespace platform
