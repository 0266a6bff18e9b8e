// The eight sound effects.
#pragma once

#include <cstdint>

constexpr int SfxCursor = 0;
constexpr int SfxConfirm = 1;
constexpr int SfxLand = 2;
constexpr int SfxDrop = 3;
constexpr int SfxGameOver = 4;
constexpr int SfxFlash = 5;
constexpr int SfxIntro = 6;
constexpr int SfxRaise = 7;
constexpr int EffectCount = 8;
constexpr int EffectVolume = -800;  // hundredths of a decibel

extern bool soundAvailable;

int InitSound();
int LoadEffect(const char* fileName, int slot);
void SetEffectVolume(int slot, int hundredthsOfDecibel);
void PlayEffect(int effect);
void ReleaseSound(int count);
