// Shared set-up for the rules tests: a headless platform, fresh rules state,
// and wells drawn from rows of text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/sound.h"
#include "input/input.h"
#include "platform/headless/headless.h"
#include "rules/phases.h"
#include "rules/state.h"
#include "shell/scenes.h"

// One character per cell of columns 1..7: '.' empty, 'a'..'l' the ordinary
// codes 0..44, 'S' 'T' 'U' 'V' the special codes 48..60.
inline uint8_t CodeOfPictureChar(char c) {
  if (c >= 'a' && c <= 'l') return static_cast<uint8_t>((c - 'a') * 4);
  if (c >= 'S' && c <= 'V') return static_cast<uint8_t>(48 + (c - 'S') * 4);
  return CellEmpty;
}

// The last text row is well row 14, just above the floor.
inline void DrawWellPicture(uint8_t player, const std::vector<std::string>& rows) {
  const int firstRow = WellRows - 1 - static_cast<int>(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    for (int column = 1; column <= 7; ++column) {
      well[player][firstRow + i][column] = CodeOfPictureChar(rows[i][column - 1]);
    }
  }
}

// Places a falling pair (top above bottom) with the given codes.
inline void PlacePair(uint8_t player, int topRow, int column, uint8_t top, uint8_t bottom) {
  pairTopRow[player] = static_cast<uint8_t>(topRow);
  pairTopCol[player] = static_cast<uint8_t>(column);
  pairBottomRow[player] = static_cast<uint8_t>(topRow + 1);
  pairBottomCol[player] = static_cast<uint8_t>(column);
  well[player][topRow][column] = top;
  well[player][topRow + 1][column] = bottom;
}

inline int CountEffects(const platform::Headless& h, int effect) {
  int count = 0;
  for (const platform::EffectRequest& request : h.sound.played) count += request.slot == effect;
  return count;
}

class RulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.Install();
    soundAvailable = true;
    ResetRulesState();
    currentScene = SceneSolo;
    keyDirections = 0;
    keyButton = 0;
    joyDirections = 0;
    joyButtons = 0;
  }

  platform::Headless h;
};
