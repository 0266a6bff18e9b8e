// Headless devices that also write what the game asks of them into one
// timeline, so that tests can check the order of steps across devices.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

struct Timeline {
  std::vector<std::string> events;

  void Add(const std::string& event) { events.push_back(event); }
  // Runs of equal events folded into "event xN", for readable comparisons.
  std::vector<std::string> Folded() const {
    std::vector<std::string> folded;
    int count = 0;
    for (size_t i = 0; i < events.size(); ++i) {
      ++count;
      if (i + 1 == events.size() || events[i + 1] != events[i]) {
        folded.push_back(count == 1 ? events[i] : events[i] + " x" + std::to_string(count));
        count = 0;
      }
    }
    return folded;
  }
};

class RecordingDisplay : public platform::HeadlessDisplay {
 public:
  explicit RecordingDisplay(Timeline& timeline) : timeline_(timeline) {}
  void Present(const uint8_t* pixels, int w, int h, int pitch, const platform::PaletteEntry* entries,
               bool waitVsync) override {
    HeadlessDisplay::Present(pixels, w, h, pitch, entries, waitVsync);
    timeline_.Add(waitVsync ? "flip" : "palette");
    std::array<platform::PaletteEntry, 256> copy;
    std::copy_n(entries, 256, copy.begin());
    palettes.push_back(copy);
    if (waitVsync && onFlip) onFlip();
  }
  std::vector<std::array<platform::PaletteEntry, 256>> palettes;  // one per present
  std::function<void()> onFlip;

 private:
  Timeline& timeline_;
};

class RecordingSound : public platform::HeadlessSound {
 public:
  explicit RecordingSound(Timeline& timeline) : timeline_(timeline) {}
  void Restart(int slot) override {
    HeadlessSound::Restart(slot);
    timeline_.Add("effect " + std::to_string(slot));
  }

 private:
  Timeline& timeline_;
};

class RecordingMusic : public platform::HeadlessMusic {
 public:
  explicit RecordingMusic(Timeline& timeline) : timeline_(timeline) {}
  void Change(int slot, int repeats) override {
    HeadlessMusic::Change(slot, repeats);
    timeline_.Add("music " + std::to_string(slot) + " repeats " + std::to_string(repeats));
  }

 private:
  Timeline& timeline_;
};

// The headless platform with the recording display, sound and music installed.
struct RecordingPlatform {
  Timeline timeline;
  platform::Headless headless;
  RecordingDisplay display{timeline};
  RecordingSound sound{timeline};
  RecordingMusic music{timeline};

  void Install() {
    headless.Install();
    sound.clock = &headless.host;
    music.clock = &headless.host;
    platform::Install(platform::Facilities{&headless.host, &display, &headless.controls, &sound, &music});
  }
};
