#include <cstring>

#include "screens/screens.h"

void ResetScreensState() {
  bgScrollX = 0;
  bgScrollY = 0;
  waveTable.reset();
  std::memset(wavePhase, 0, sizeof wavePhase);
  waveLines = 0;
  waveTick = 0;
  ResetTitleLogo();
  menuSelection = 0;
  menuRepeat = 0;
  menuCursorTick = 0;
  menuCursorOffset = 0;

  speedCursorX = SpeedCursorSlowest;
  speedRepeat = 0;

  ResetIntroState();
  ResetGameOverCaptionAndScatter();
  std::memset(scatterDrift, 0, sizeof scatterDrift);
  std::memset(scatterFallSpeed, 0, sizeof scatterFallSpeed);
  std::memset(cellOffsetX, 0, sizeof cellOffsetX);
  std::memset(cellOffsetY, 0, sizeof cellOffsetY);
  bestScore = 0;
  bestScoreFileInUse = true;

  std::memset(blockAnimTick, 0, sizeof blockAnimTick);
  std::memset(gaugeAnimTick, 0, sizeof gaugeAnimTick);
}
