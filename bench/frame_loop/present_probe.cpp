// Loaded into the real game with LD_PRELOAD by the frame-loop benchmark, so
// that the game needs no switch of its own to be measured. It notes the
// moment of every SDL_RenderPresent, of the start of every pass of the frame
// loop that follows one (its first look at the event queue) and of the end of
// every audio buffer the mixer fills, reports the buffer size the game asked
// for, and holds the Z key during chosen moments. At exit it writes what it
// saw to the file named by KERZONK_PROBE_OUT, one event a line:
//   present NS           a frame or palette write was shown (CLOCK_MONOTONIC)
//   start NS             the loop's next pass began after a present
//   mix NS               an audio buffer was filled
//   audio ASKED GOT HZ   an audio device was opened with ASKED frames a buffer
// KERZONK_PROBE_PRESS_Z lists moments as START:LENGTH seconds after start-up,
// separated by commas.
#include <SDL.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/frame_loop/timing_stats.h"

namespace {

using bench::AudioOpening;

int64_t Now() { return bench::MonotonicNanoseconds(); }

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

struct KeyWindow {
  int64_t from = 0;
  int64_t to = 0;
};

// Enough room for hours of buffers, reserved before the audio thread starts.
constexpr size_t MixCapacity = 1 << 20;

struct Probe {
  int64_t startedAt = Now();
  std::vector<KeyWindow> pressZ;
  std::vector<int64_t> presents;  // these three: the game's own thread only
  std::vector<int64_t> starts;
  bool presentedSinceStart = false;
  std::vector<int64_t> mixes;
  std::atomic<size_t> mixCount{0};
  std::vector<AudioOpening> openings;
  SDL_AudioCallback gameCallback = nullptr;
  void* gameUserdata = nullptr;
  Uint8 keys[SDL_NUM_SCANCODES] = {};
};

// Never destroyed: the audio thread may still run while the game shuts down.
Probe* probe = nullptr;

std::vector<KeyWindow> ParseWindows(const char* text, int64_t origin) {
  std::vector<KeyWindow> windows;
  while (text != nullptr && *text != '\0') {
    char* end = nullptr;
    const double start = std::strtod(text, &end);
    if (end == text || *end != ':') break;
    text = end + 1;
    const double length = std::strtod(text, &end);
    if (end == text) break;
    windows.push_back(KeyWindow{origin + static_cast<int64_t>(start * 1e9),
                                origin + static_cast<int64_t>((start + length) * 1e9)});
    text = *end == ',' ? end + 1 : end;
  }
  return windows;
}

__attribute__((constructor)) void StartProbe() {
  probe = new Probe;
  probe->pressZ = ParseWindows(std::getenv("KERZONK_PROBE_PRESS_Z"), probe->startedAt);
  probe->presents.reserve(1 << 16);
  probe->starts.reserve(1 << 16);
  probe->mixes.resize(MixCapacity);
}

__attribute__((destructor)) void WriteProbe() {
  const char* path = std::getenv("KERZONK_PROBE_OUT");
  if (path == nullptr) return;
  std::FILE* out = std::fopen(path, "w");
  if (out == nullptr) return;
  for (const AudioOpening& opening : probe->openings) {
    std::fprintf(out, "audio %d %d %d\n", opening.askedFrames, opening.gotFrames, opening.rate);
  }
  for (int64_t at : probe->presents) std::fprintf(out, "present %lld\n", static_cast<long long>(at));
  for (int64_t at : probe->starts) std::fprintf(out, "start %lld\n", static_cast<long long>(at));
  const size_t mixes = std::min(probe->mixCount.load(), MixCapacity);
  for (size_t i = 0; i < mixes; ++i) std::fprintf(out, "mix %lld\n", static_cast<long long>(probe->mixes[i]));
  std::fclose(out);
}

void SDLCALL MixAndNote(void*, Uint8* stream, int bytes) {
  probe->gameCallback(probe->gameUserdata, stream, bytes);
  const size_t index = probe->mixCount.fetch_add(1, std::memory_order_relaxed);
  if (index < MixCapacity) probe->mixes[index] = Now();
}

}  // namespace

extern "C" {

void SDL_RenderPresent(SDL_Renderer* renderer) {
  static const auto real = Real<void (*)(SDL_Renderer*)>("SDL_RenderPresent");
  real(renderer);
  probe->presents.push_back(Now());
  probe->presentedSinceStart = true;
}

int SDL_PollEvent(SDL_Event* event) {
  static const auto real = Real<int (*)(SDL_Event*)>("SDL_PollEvent");
  if (probe->presentedSinceStart) {
    probe->starts.push_back(Now());
    probe->presentedSinceStart = false;
  }
  return real(event);
}

const Uint8* SDL_GetKeyboardState(int* count) {
  static const auto real = Real<const Uint8* (*)(int*)>("SDL_GetKeyboardState");
  int held = 0;
  const Uint8* state = real(&held);
  std::memcpy(probe->keys, state, std::min<size_t>(held, SDL_NUM_SCANCODES));
  const int64_t now = Now();
  for (const KeyWindow& window : probe->pressZ) {
    if (now >= window.from && now < window.to) probe->keys[SDL_SCANCODE_Z] = 1;
  }
  if (count != nullptr) *count = held;
  return probe->keys;
}

SDL_AudioDeviceID SDL_OpenAudioDevice(const char* device, int capture, const SDL_AudioSpec* desired,
                                      SDL_AudioSpec* obtained, int allowedChanges) {
  static const auto real =
      Real<SDL_AudioDeviceID (*)(const char*, int, const SDL_AudioSpec*, SDL_AudioSpec*, int)>("SDL_OpenAudioDevice");
  if (capture != 0 || desired == nullptr || desired->callback == nullptr) {
    return real(device, capture, desired, obtained, allowedChanges);
  }
  SDL_AudioSpec noted = *desired;
  probe->gameCallback = desired->callback;
  probe->gameUserdata = desired->userdata;
  noted.callback = MixAndNote;
  noted.userdata = nullptr;
  SDL_AudioSpec given{};
  const SDL_AudioDeviceID id = real(device, capture, &noted, obtained != nullptr ? obtained : &given, allowedChanges);
  const SDL_AudioSpec& result = obtained != nullptr ? *obtained : given;
  probe->openings.push_back(AudioOpening{desired->samples, id != 0 ? result.samples : 0, desired->freq});
  return id;
}

}  // extern "C"
