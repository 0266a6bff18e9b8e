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

bool HeadlessSound::CreateVoice(int slot, const WaveFormat&, const uint8_t*, size_t) {
  voiceLoaded[slot] = true;
  return true;
}

void HeadlessSound::SetVolume(int slot, int hundredthsOfDecibel) { volume[slot] = hundredthsOfDecibel; }

void HeadlessSound::Restart(int slot) { played.push_back(EffectRequest{slot, clock ? clock->tick : 0}); }

void HeadlessSound::ReleaseVoice(int slot) { voiceLoaded[slot] = false; }

void Headless::Install() {
  sound.clock = &host;
  platform::Install(Facilities{&host, &display, &controls, &sound, &music});
}

}  // namespace platform
