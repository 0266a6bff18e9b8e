#include "platform/headless/headless.h"

#include <cstring>

namespace platform {

bool HeadlessHost::OpenWindow(const char* title, int, int) {
  windowTitle = title;
  windowOpen = true;
  return true;
}

bool HeadlessHost::TakeMessage(Message& message) {
  if (messages.empty()) return false;
  message = messages.front();
  messages.pop_front();
  return true;
}

// Nothing can arrive while waiting: hand back a quit so a loop never hangs.
void HeadlessHost::WaitMessage() {
  if (messages.empty()) PostQuit(0);
}

void HeadlessHost::PostQuit(int exitCode) { messages.push_back(Message{MessageKind::Quit, exitCode}); }

void HeadlessHost::ShowNotice(const std::string& caption, const std::string& text) {
  notices.push_back(CapturedNotice{caption, text});
}

DisplayResult HeadlessDisplay::Open(int w, int h, int) {
  if (failWith != DisplayResult::Ok) return failWith;
  open = true;
  width = w;
  height = h;
  shown.assign(static_cast<size_t>(w) * h, 0);
  return DisplayResult::Ok;
}

void HeadlessDisplay::Present(const uint8_t* pixels, int w, int h, int pitch, const PaletteEntry* entries,
                              bool waitVsync) {
  shown.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) std::memcpy(&shown[static_cast<size_t>(y) * w], pixels + y * pitch, w);
  std::memcpy(shownPalette, entries, sizeof shownPalette);
  if (waitVsync) {
    ++flips;
  } else {
    ++paletteWrites;
  }
}

JoystickResult HeadlessControls::QueryJoystick(JoystickSample& sample) {
  if (joystickResult == JoystickResult::Ok) sample = joystick;
  return joystickResult;
}

bool HeadlessSound::CreateVoice(int slot, const WaveFormat& format, const uint8_t*, size_t size) {
  voiceLoaded[slot] = true;
  voiceFormat[slot] = format;
  voiceBytes[slot] = size;
  return true;
}

void HeadlessSound::SetVolume(int slot, int hundredthsOfDecibel) { volume[slot] = hundredthsOfDecibel; }

void HeadlessSound::Restart(int slot) { played.push_back(EffectRequest{slot, clock ? clock->tick : 0}); }

void HeadlessSound::ReleaseVoice(int slot) { voiceLoaded[slot] = false; }

namespace {
class SilentSink : public MusicSink {
 public:
  void Render(int64_t) override {}
  void Send(const MidiEvent&) override {}
  void EndNotes(bool) override {}
  void Hush() override {}
};
}  // namespace

MusicOpenResult HeadlessMusic::Open() {
  open = failWith == MusicOpenResult::Ok;
  sequencedTo_ = Now();
  return failWith;
}

void HeadlessMusic::Load(int slot, const MidiSong& song) {
  sequencer_.Load(slot, song);
  loaded[slot] = true;
}

void HeadlessMusic::Unload(int slot) {
  sequencer_.Unload(slot);
  loaded[slot] = false;
}

void HeadlessMusic::CatchUp() {
  SilentSink sink;
  const uint32_t now = Now();
  if (!paused) sequencer_.Advance(static_cast<uint32_t>(now - sequencedTo_), sink);
  sequencedTo_ = now;
}

void HeadlessMusic::Pause(bool isPaused) {
  CatchUp();
  if (isPaused && !paused) pausedAt_ = Now();
  if (!isPaused && paused) {
    const uint32_t held = Now() - pausedAt_;
    for (MusicChange& change : changes) {
      if (change.takesEffectAt > pausedAt_) change.takesEffectAt += held;
    }
  }
  paused = isPaused;
}

void HeadlessMusic::Start(int slot, int repeats) {
  CatchUp();
  if (sequencer_.ChangePending()) changes.back().replaced = true;
  sequencer_.Start(slot, repeats);
  changes.push_back(MusicChange{slot, repeats, Now(), Now(), true, false});
}

void HeadlessMusic::Change(int slot, int repeats) {
  CatchUp();
  if (sequencer_.ChangePending()) changes.back().replaced = true;
  const uint32_t at = Now() + static_cast<uint32_t>(sequencer_.FramesUntilNextBar());
  sequencer_.Request(slot, repeats);
  changes.push_back(MusicChange{slot, repeats, Now(), at, false, false});
}

void HeadlessMusic::Stop() {
  CatchUp();
  if (sequencer_.ChangePending()) changes.back().replaced = true;
  SilentSink sink;
  sequencer_.Stop(sink);
}

int HeadlessMusic::Playing() {
  CatchUp();
  return sequencer_.Playing();
}

void Headless::Install() {
  sound.clock = &host;
  music.clock = &host;
  platform::Install(Facilities{&host, &display, &controls, &sound, &music});
}

}  // namespace platform
