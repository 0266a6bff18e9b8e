#include "video/fade.h"

#include "video/display.h"

platform::PaletteEntry fadeEntries[256] = {};
int16_t fadeHold[256][3] = {};

namespace {

constexpr int FadeSteps = 256;

uint8_t* Component(platform::PaletteEntry& entry, int c) {
  return c == 0 ? &entry.red : c == 1 ? &entry.green : &entry.blue;
}

}  // namespace

// Every component drops by one per step; one already at 0 counts the step in
// fadeHold instead, so that the fade back knows how long to wait.
void FadeToBlack() {
  GetPaletteEntries(fadeEntries);
  for (int step = 0; step < FadeSteps; ++step) {
    for (int i = 0; i < 256; ++i) {
      for (int c = 0; c < 3; ++c) {
        uint8_t* component = Component(fadeEntries[i], c);
        if (*component > 0) {
          --*component;
        } else {
          --fadeHold[i][c];
        }
      }
    }
    SetPaletteEntries(fadeEntries);
  }
}

// A component first waits out the steps it was held at 0, then rises by one
// per step, so that every component reaches its old value at the last step.
void FadeFromBlack() {
  GetPaletteEntries(fadeEntries);
  for (int step = 0; step < FadeSteps; ++step) {
    for (int i = 0; i < 256; ++i) {
      for (int c = 0; c < 3; ++c) {
        if (fadeHold[i][c] < 0) {
          ++fadeHold[i][c];
        } else {
          ++*Component(fadeEntries[i], c);
        }
      }
    }
    SetPaletteEntries(fadeEntries);
  }
}
