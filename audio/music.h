// The two pieces of background music.
#pragma once

constexpr int MusicTitle = 0;
constexpr int MusicGame = 1;
constexpr int MusicSegmentCount = 2;
constexpr int MusicRepeats = 65025;

extern bool musicAvailable;

int InitMusic();
int LoadMIDISegment(int slot, const char* fileName);
// Start-up: loop the whole segment, set its repeats and start it at once.
void StartMusic(int segment, int repeats);
// A change that takes effect at the next measure boundary of the piece playing.
void PlayMusic(int segment, int repeats);
void ReleaseMusic(int count);
