#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "audio/music.h"
#include "audio/sound.h"
#include "platform/headless/headless.h"
#include "platform/sdl/sdl_audio.h"
#include "tests/midi_builder.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Counts the loud frames the mixer sends to the device.
struct LoudFrames {
  std::mutex lock;
  size_t frames = 0;
  size_t loud = 0;

  static void Count(void* self, Uint8* stream, int bytes) {
    auto* counter = static_cast<LoudFrames*>(self);
    const auto* samples = reinterpret_cast<const int16_t*>(stream);
    std::lock_guard<std::mutex> hold(counter->lock);
    for (int i = 0; i < bytes / 2; i += 2) {
      ++counter->frames;
      if (std::abs(samples[i]) > 100) ++counter->loud;
    }
  }
  void Reset() {
    std::lock_guard<std::mutex> hold(lock);
    frames = loud = 0;
  }
  size_t Loud() {
    std::lock_guard<std::mutex> hold(lock);
    return loud;
  }
  void WaitFrames(size_t count) {
    for (;;) {
      {
        std::lock_guard<std::mutex> hold(lock);
        if (frames >= count) return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
};

// The real SDL sound and music devices under the headless window, on SDL's disk driver.
class SdlMusic : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    platform::Install(platform::Facilities{&headless.host, &headless.display, &headless.controls,
                                           &platform::SdlSoundDevice(), &platform::SdlMusicDevice()});
    fs::create_directories("midi");
    const auto bytes = MidiBuilder(480).Program(0, 16).Note(0, 1920, 60).End(1920).Bytes();
    std::ofstream("midi/a.mid", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  void TearDown() override {
    Mix_SetPostMix(nullptr, nullptr);
    ReleaseMusic(MusicSegmentCount);
    ReleaseSound(EffectCount);
    unsetenv("SDL_SOUNDFONTS");
  }
  std::vector<std::string> Notices() const {
    std::vector<std::string> texts;
    for (const auto& n : headless.host.notices) texts.push_back(n.text);
    return texts;
  }

  platform::Headless headless;
  fixture::ScratchFolder scratch{"sdl_music"};
};

TEST_F(SdlMusic, WithoutASoundDeviceThereIsNoOutput) {
  EXPECT_EQ(InitMusic(), 0);
  EXPECT_EQ(Notices(), std::vector<std::string>{"Init失敗"});
}

TEST_F(SdlMusic, NoSoundFontLeavesTheEffectsRunning) {
  // A FIFO in the list is passed over, not waited on for a writer.
  ASSERT_EQ(mkfifo("fifo.sf2", 0600), 0);
  setenv("SDL_SOUNDFONTS", ("/nonexistent/a.sf2:" + (scratch.Path() / "fifo.sf2").string()).c_str(), 1);
  if (InitSound() == 0) GTEST_SKIP() << "SDL's disk audio driver is not available";
  EXPECT_EQ(InitMusic(), 0);
  EXPECT_EQ(Notices(), std::vector<std::string>{"AddPort失敗"});
  ReleaseMusic(MusicSegmentCount);
  PlayMusic(MusicGame, MusicRepeats);
  PlayEffect(SfxCursor);
  EXPECT_TRUE(soundAvailable);
}

TEST_F(SdlMusic, PlaysThroughTheMixerAndStopsAtOnce) {
  if (InitSound() == 0) GTEST_SKIP() << "SDL's disk audio driver is not available";
  if (InitMusic() == 0) GTEST_SKIP() << "no General MIDI SoundFont installed";
  ASSERT_EQ(LoadMIDISegment(MusicTitle, "midi/a.mid"), 1);
  LoudFrames counter;
  Mix_SetPostMix(LoudFrames::Count, &counter);
  StartMusic(MusicTitle, MusicRepeats);
  counter.WaitFrames(44100 / 4);
  EXPECT_GT(counter.Loud(), 44100u / 8);
  ReleaseMusic(MusicSegmentCount);
  counter.Reset();
  counter.WaitFrames(44100 / 10);
  EXPECT_EQ(counter.Loud(), 0u);
}

}  // namespace
