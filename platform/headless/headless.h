// A platform with no window and no devices, for tests and tools: virtual
// clocks, scripted keys and joystick, captured notices, effects and music
// requests, and the presented picture kept in memory.
#pragma once

#include <bitset>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/music.h"
#include "platform/music_sequencer.h"
#include "platform/platform.h"
#include "platform/sound.h"

namespace platform {

struct CapturedNotice {
  std::string caption;
  std::string text;
};

class HeadlessHost : public Host {
 public:
  bool OpenWindow(const char* title, int width, int height) override;
  bool TakeMessage(Message& message) override;
  void WaitMessage() override;
  void PostQuit(int exitCode) override;
  void ShowNotice(const std::string& caption, const std::string& text) override;
  uint32_t Ticks() override { return tick; }
  void IdleUntil(uint32_t target) override { tick = target; }
  int64_t CalendarSeconds() override { return calendarStart + tick / 1000; }

  void Queue(const Message& message) { messages.push_back(message); }

  std::string windowTitle;
  bool windowOpen = false;
  std::deque<Message> messages;
  std::vector<CapturedNotice> notices;
  uint32_t tick = 0;
  int64_t calendarStart = 0;
};

class HeadlessDisplay : public Display {
 public:
  DisplayResult Open(int width, int height, int bitsPerPixel) override;
  void Present(const uint8_t* pixels, int width, int height, int pitch, const PaletteEntry* palette,
               bool waitVsync) override;
  void Close() override { open = false; }

  DisplayResult failWith = DisplayResult::Ok;  // a test can make Open fail at a given step
  bool open = false;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> shown;      // the last presented picture, width x height indices
  PaletteEntry shownPalette[256];  // the palette it was presented with
  int flips = 0;                   // presents with vsync
  int paletteWrites = 0;           // presents without vsync
};

class HeadlessControls : public Controls {
 public:
  void TakeInEvents() override {}
  bool KeyHeld(KeyCode key) override { return key < KeyCodeCount && keys[key]; }
  JoystickResult QueryJoystick(JoystickSample& sample) override;

  std::bitset<KeyCodeCount> keys;  // held keys, by code
  JoystickResult joystickResult = JoystickResult::Error;  // no joystick unless a test plugs one
  JoystickSample joystick;
};

struct EffectRequest {
  int slot;
  uint32_t tick;
};

class HeadlessSound : public SoundDevice {
 public:
  bool Open() override { return available; }
  bool CreateVoice(int slot, const WaveFormat& format, const uint8_t* data, size_t size) override;
  void SetVolume(int slot, int hundredthsOfDecibel) override;
  void Restart(int slot) override;
  void ReleaseVoice(int slot) override;
  void Pause(bool isPaused) override { paused = isPaused; }
  void Close() override {}

  bool available = true;
  bool paused = false;
  bool voiceLoaded[8] = {};
  WaveFormat voiceFormat[8];
  size_t voiceBytes[8] = {};
  int volume[8] = {};
  std::vector<EffectRequest> played;
  const HeadlessHost* clock = nullptr;
};

// One music request with the virtual tick at which it takes effect: at once
// for a start, at the next bar line of the piece playing for a change.
struct MusicChange {
  int segment;
  int repeats;
  uint32_t requestedAt;
  uint32_t takesEffectAt;
  bool immediate;
  bool replaced;  // a later request came before this change took effect
};

class HeadlessMusic : public MusicDevice {
 public:
  MusicOpenResult Open() override;
  void Load(int slot, const MidiSong& song) override;
  void Start(int slot, int repeats) override;
  void Change(int slot, int repeats) override;
  void Stop() override;
  void Unload(int slot) override;
  void SetVolume(int percent) override { volume = percent; }
  // The piece stands still while paused: its bar lines move on by the time paused.
  void Pause(bool isPaused) override;
  void Close() override { open = false; }

  // The piece playing at the current virtual tick, -1 for none.
  int Playing();

  MusicOpenResult failWith = MusicOpenResult::Ok;  // a test can make the music unavailable
  bool open = false;
  bool paused = false;
  int volume = 100;
  bool loaded[MusicPieceSlots] = {};
  std::vector<MusicChange> changes;
  const HeadlessHost* clock = nullptr;

 private:
  uint32_t Now() const { return clock ? clock->tick : 0; }
  void CatchUp();

  MusicSequencer sequencer_{1000};  // one frame a millisecond
  uint32_t sequencedTo_ = 0;
  uint32_t pausedAt_ = 0;
};

// Owns one of each facility; Install() makes them the current platform.
struct Headless {
  HeadlessHost host;
  HeadlessDisplay display;
  HeadlessControls controls;
  HeadlessSound sound;
  HeadlessMusic music;

  void Install();
};

}  // namespace platform
