// The player's volumes and mute switches, on top of the game's own levels,
// and the pause of all sound.
#pragma once

constexpr int FullVolume = 100;
constexpr int SilentHundredths = -10000;  // hundredths of a decibel

// Percent, 0..100, of the effects' level (EffectVolume) and of the music's.
extern int effectsVolume;
extern int musicVolume;
// Muted sound is silent; the volume stays as it was.
extern bool effectsMuted;
extern bool musicMuted;
// Called after a mute key has changed effectsMuted or musicMuted; null for none.
extern void (*muteStatesChanged)();

// The effects' volume in hundredths of a decibel: EffectVolume at full volume.
int EffectiveEffectVolume();
// The music's level in percent of its own: 0 while muted.
int EffectiveMusicVolume();
// Hands the current volumes to the sound and music devices.
void ApplyEffectsVolume();
void ApplyMusicVolume();

void ToggleMusicMute();
void ToggleEffectsMute();

// Holds effects and music where they are, or lets them go on.
void PauseAudio(bool paused);

void ResetVolumeState();
