// Placeholders until the sound and music are written.
#include "audio/music.h"
#include "audio/sound.h"
#include "platform/platform.h"
#include "platform/sound.h"

bool soundAvailable;
bool musicAvailable;

int InitSound() { return 0; }
int LoadEffect(const char*, int) { return 1; }
void SetEffectVolume(int, int) {}
void PlayEffect(int effect) {
  if (!soundAvailable) return;
  platform::sound().Restart(effect);
}
void ReleaseSound(int) {}
int InitMusic() { return 0; }
int LoadMIDISegment(int, const char*) { return 1; }
void StartMusic(int, int) {}
void PlayMusic(int, int) {}
void ReleaseMusic(int) {}
