#include <cmath>

#include "screens/sprite_layout.h"
#include "screens/title.h"
#include "video/blit.h"
#include "video/picture.h"

std::unique_ptr<double[]> waveTable;
int wavePhase[layout::WavyLogoRows] = {};
uint8_t waveLines = 0;
uint8_t waveTick = 0;
int logoY = -160;
int logoVelocity = 3;
int logoGravity = 1;
int logoFrames = 0;

namespace {

// The wave's own value of pi; the logo has always moved with this one.
constexpr double WavePi = 3.14151692;
constexpr int LastLogoRow = layout::WavyLogoRows - 1;
constexpr int WaveStepDegrees = 3;
constexpr int FramesPerNewRow = 2;
constexpr int WaveAmplitude = 20;
constexpr int WavyLogoX = 175, WavyLogoY = 20;

constexpr int LogoStartY = -160;
constexpr int LogoStartVelocity = 3;
constexpr int LogoGravity = 1;
constexpr int LogoMovingFrames = 455;
constexpr int LogoRestY = 80;
constexpr int BouncingLogoX = 67;

void BuildWaveTable() {
  waveTable = std::make_unique<double[]>(WaveTableSize);
  for (int i = 0; i < WaveTableSize; ++i) waveTable[i] = std::sin(i * WavePi / 180);
}

}  // namespace

void DrawWavyLogo() {
  if (!waveTable) BuildWaveTable();
  for (int j = 0; j <= waveLines; ++j) {
    if (wavePhase[j] >= WaveTableSize) {
      wavePhase[j] = 0;
    } else {
      wavePhase[j] += WaveStepDegrees;
    }
  }
  if (waveLines != LastLogoRow) ++waveTick;
  if (waveTick == FramesPerNewRow) {
    if (waveLines < LastLogoRow) ++waveLines;
    waveTick = 0;
  }
  const Surface* picture = pictureSurfaces[layout::TitlePicture];
  for (int j = 0; j <= LastLogoRow; ++j) {
    const int shift = static_cast<int>(WaveAmplitude * waveTable[wavePhase[j] % WaveTableSize]);
    DrawSprite(WavyLogoX + shift, WavyLogoY + j, picture, layout::WavyLogoRow(j), CopyKeyed);
  }
}

void DrawBouncingLogo() {
  if (logoFrames < LogoMovingFrames) {
    logoVelocity += logoGravity;
    logoY += logoVelocity;
    // Reversed after gravity was added, so every bounce is a little lower.
    if (logoY > LogoRestY) logoVelocity = -logoVelocity;
    ++logoFrames;
  } else {
    logoY = LogoRestY;
  }
  int x = BouncingLogoX, y = logoY;
  Rect source = layout::BouncingLogo;
  ClipSpriteToScreen(x, y, source);
  DrawSprite(x, y, pictureSurfaces[layout::TitlePicture], source, CopyKeyed);
}

void ResetTitleLogo() {
  logoY = LogoStartY;
  logoFrames = 0;
  logoVelocity = LogoStartVelocity;
  logoGravity = LogoGravity;
}
