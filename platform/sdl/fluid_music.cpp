#include "platform/sdl/fluid_music.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/regular_file.h"

namespace platform {

namespace {

constexpr int MidiChannels = 16;
constexpr int AllNotesOff = 123;
constexpr int ResetAllControllers = 121;
// FluidSynth's default gain of 0.2 leaves the music far below the effects;
// 0.5 brings its peaks level with theirs, still clear of clipping.
constexpr double FullGain = 0.5;

int16_t ToSample(float value) {
  return static_cast<int16_t>(std::lround(std::clamp(value * 32767.0f, -32768.0f, 32767.0f)));
}

// A SoundFont file starts "RIFF", its size, then the form "sfbk". Only a
// regular file is looked at, so a FIFO named by SDL_SOUNDFONTS cannot hold
// start-up waiting for a writer.
bool LooksLikeSoundFont(const std::string& path) {
  std::vector<uint8_t> header;
  return ReadRegularFilePrefix(path.c_str(), 12, header) == FileReadResult::Ok && header.size() == 12 &&
         std::memcmp(header.data(), "RIFF", 4) == 0 && std::memcmp(header.data() + 8, "sfbk", 4) == 0;
}

}  // namespace

MusicOpenResult FluidMusicEngine::Open(int framesPerSecond, const std::vector<std::string>& soundFonts) {
  fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
  settings_ = new_fluid_settings();
  if (settings_ != nullptr) {
    fluid_settings_setnum(settings_, "synth.sample-rate", framesPerSecond / 2.0);
    fluid_settings_setnum(settings_, "synth.gain", FullGain);
    synth_ = new_fluid_synth(settings_);
  }
  if (synth_ == nullptr) {
    Close();
    return MusicOpenResult::NoSynthesizer;
  }
  bool loaded = false;
  for (const std::string& path : soundFonts) {
    if (LooksLikeSoundFont(path) && fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED) {
      loaded = true;
      break;
    }
  }
  if (!loaded) {
    Close();
    return MusicOpenResult::NoSoundFont;
  }
  sequencer_ = std::make_unique<MusicSequencer>(framesPerSecond);
  return MusicOpenResult::Ok;
}

void FluidMusicEngine::Close() {
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
  synth_ = nullptr;
  settings_ = nullptr;
  sequencer_.reset();
  ForgetDoubling();
  mailbox_.clear();
  taken_.clear();
  paused_ = false;
}

void FluidMusicEngine::Post(Command command) {
  std::lock_guard<std::mutex> hold(mailboxLock_);
  mailbox_.push_back(std::move(command));
}

void FluidMusicEngine::Load(int slot, const MidiSong& song) {
  Post(Command{CommandKind::Load, slot, 0, std::make_shared<const MidiSong>(song)});
}

void FluidMusicEngine::Unload(int slot) { Post(Command{CommandKind::Unload, slot, 0, nullptr}); }
void FluidMusicEngine::Start(int slot, int repeats) { Post(Command{CommandKind::Start, slot, repeats, nullptr}); }
void FluidMusicEngine::Change(int slot, int repeats) { Post(Command{CommandKind::Change, slot, repeats, nullptr}); }
void FluidMusicEngine::Stop() { Post(Command{CommandKind::Stop, 0, 0, nullptr}); }
void FluidMusicEngine::SetVolume(int percent) { Post(Command{CommandKind::Volume, 0, percent, nullptr}); }
void FluidMusicEngine::Pause(bool paused) { Post(Command{CommandKind::Pause, 0, paused ? 1 : 0, nullptr}); }

void FluidMusicEngine::Carry(const Command& command) {
  switch (command.kind) {
    case CommandKind::Load:
      sequencer_->Load(command.slot, *command.song);
      break;
    case CommandKind::Unload:
      sequencer_->Unload(command.slot);
      break;
    case CommandKind::Start:
      EndNotes(true);
      sequencer_->Start(command.slot, command.repeats);
      break;
    case CommandKind::Change:
      sequencer_->Request(command.slot, command.repeats);
      break;
    case CommandKind::Stop:
      sequencer_->Stop(*this);
      break;
    case CommandKind::Volume:
      fluid_synth_set_gain(synth_, static_cast<float>(FullGain * command.repeats / 100.0));
      break;
    case CommandKind::Pause:
      paused_ = command.repeats != 0;
      break;
  }
}

void FluidMusicEngine::Fill(int16_t* stereo, int frames) {
  if (synth_ == nullptr) {
    std::memset(stereo, 0, sizeof(int16_t) * 2 * frames);
    return;
  }
  {
    std::lock_guard<std::mutex> hold(mailboxLock_);
    taken_.swap(mailbox_);
  }
  for (const Command& command : taken_) Carry(command);
  taken_.clear();
  if (paused_) {
    std::memset(stereo, 0, sizeof(int16_t) * 2 * frames);
    return;
  }
  output_ = stereo;
  written_ = 0;
  sequencer_->Advance(frames, *this);
  output_ = nullptr;
}

void FluidMusicEngine::Render(int64_t frames) {
  int16_t* out = output_ + written_ * 2;
  written_ += frames;
  if (frames > 0 && hasLeftOver_) {
    *out++ = leftOver_[0];
    *out++ = leftOver_[1];
    hasLeftOver_ = false;
    --frames;
  }
  // Each frame of FluidSynth's gives two; an odd last one keeps its second.
  for (int64_t halves = (frames + 1) / 2; halves > 0;) {
    const int count = static_cast<int>(std::min<int64_t>(halves, SynthChunk));
    fluid_synth_write_float(synth_, count, synthLeft_, 0, 1, synthRight_, 0, 1);
    for (int i = 0; i < count; ++i) {
      float doubled[4];
      doubler_.Push(synthLeft_[i], synthRight_[i], doubled);
      *out++ = ToSample(doubled[0]);
      *out++ = ToSample(doubled[1]);
      int16_t* second = --frames == 0 ? leftOver_ : out;
      second[0] = ToSample(doubled[2]);
      second[1] = ToSample(doubled[3]);
      if (frames == 0) {
        hasLeftOver_ = true;
      } else {
        out += 2;
        --frames;
      }
    }
    halves -= count;
  }
}

void FluidMusicEngine::Send(const MidiEvent& event) {
  const int channel = event.status & 0x0F;
  switch (event.status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, event.data1);
      break;
    case 0x90:
      fluid_synth_noteon(synth_, channel, event.data1, event.data2);
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, event.data1, event.data2);
      break;
    case 0xB0:
      fluid_synth_cc(synth_, channel, event.data1, event.data2);
      break;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, event.data1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, event.data1);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, event.data1 | (event.data2 << 7));
      break;
  }
}

void FluidMusicEngine::EndNotes(bool resetChannels) {
  for (int channel = 0; channel < MidiChannels; ++channel) {
    if (resetChannels) fluid_synth_cc(synth_, channel, ResetAllControllers, 0);
    fluid_synth_cc(synth_, channel, AllNotesOff, 0);
  }
}

void FluidMusicEngine::Hush() {
  fluid_synth_all_sounds_off(synth_, -1);
  ForgetDoubling();
}

void FluidMusicEngine::ForgetDoubling() {
  doubler_.Reset();
  hasLeftOver_ = false;
}

}  // namespace platform
