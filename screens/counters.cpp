#include "screens/counters.h"

#include "rules/state.h"
#include "screens/best_score.h"
#include "screens/sprite_layout.h"
#include "shell/scenes.h"
#include "video/blit.h"
#include "video/picture.h"

namespace {

constexpr int ClearedDigits = 4;
constexpr int ClearedDigitPitch = 15;
constexpr int SoloClearedX = 434, VersusClearedX = 292;
constexpr int ClearedY[PlayerCount] = {109, 439};
constexpr int VersusPlayer0ClearedDrop = 8;

struct LargePair {
  int tensX, unitsX, y;
};
constexpr LargePair SoloSpeed{430, 462, 167};
constexpr LargePair VersusSpeed{288, 320, 206};
constexpr LargePair SoloBestChain{430, 462, 250};
constexpr int FallIntervalPerLevel = 10;

constexpr int ScoreDigits = 6;
constexpr int ScoreDigitPitch = 10;
constexpr int ScoreUnitsX = 482;
constexpr int ScoreY = 340, BestScoreY = 402;

// The digit of weight 10^k of value.
int DigitOf(int value, int k) {
  for (int i = 0; i < k; ++i) value /= 10;
  return value % 10;
}

void DrawSmallDigit(int x, int y, int digit) {
  DrawSprite(x, y, pictureSurfaces[layout::SpritePicture], layout::SmallDigit(digit), CopyKeyed);
}

void DrawLargeTwoDigits(const LargePair& at, int value) {
  const Surface* picture = pictureSurfaces[layout::SpritePicture];
  DrawSprite(at.unitsX, at.y, picture, layout::LargeDigit(DigitOf(value, 0)), CopyKeyed);
  DrawSprite(at.tensX, at.y, picture, layout::LargeDigit(DigitOf(value, 1)), CopyKeyed);
}

// Six touching digits, units at the right; the units place always shows 0
// because scores are multiples of ten.
void DrawSixDigits(int y, int value) {
  DrawSmallDigit(ScoreUnitsX, y, 0);
  for (int i = 1; i < ScoreDigits; ++i) DrawSmallDigit(ScoreUnitsX - ScoreDigitPitch * i, y, DigitOf(value, i));
}

}  // namespace

void DrawClearedCount(uint8_t player) {
  const int value = clearedBlocks[player];
  const int x = currentScene == SceneSolo ? SoloClearedX : VersusClearedX;
  int y = ClearedY[player];
  if (player == 0 && currentScene == SceneVersus) y += VersusPlayer0ClearedDrop;
  for (int i = 0; i < ClearedDigits; ++i) {
    DrawSmallDigit(x + ClearedDigitPitch * i, y, DigitOf(value, ClearedDigits - 1 - i));
  }
}

void DrawSpeedLevel() {
  const int level = (StartFallInterval - fallInterval) / FallIntervalPerLevel;
  DrawLargeTwoDigits(currentScene == SceneSolo ? SoloSpeed : VersusSpeed, level);
}

void DrawBestChain(uint8_t player) { DrawLargeTwoDigits(SoloBestChain, bestChain[player]); }

void DrawScore() { DrawSixDigits(ScoreY, score); }

void DrawBestScore() { DrawSixDigits(BestScoreY, bestScore); }
