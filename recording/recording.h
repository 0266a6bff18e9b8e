// A recorded game: where it came from, the state it started in, every input
// sample and every clock value its frames read, every frame's mark, state
// checks along the way and how it ended. Enough to play it again exactly,
// whatever the real frames' timing was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "input/input.h"
#include "recording/state_variables.h"

// The version of the file format that RecordingText writes. ParseRecording
// also reads the first, which has no frame marks; a recording without marks
// is written in it.
constexpr int RecordingFormat = 2;
constexpr int OldestRecordingFormat = 1;
// Frames between two state checks.
constexpr uint32_t StateCheckInterval = 60;
// A day at 61 frames a second; a longer game is not kept.
constexpr uint32_t MaxRecordingFrames = 61 * 60 * 60 * 24;

enum class GameMode : uint8_t { Solo, Versus };

struct RecordedInput {
  uint32_t frame = 0;  // the first frame whose handlers read this sample
  InputSample sample;
  friend bool operator==(const RecordedInput&, const RecordedInput&) = default;
};

struct StateCheck {
  uint32_t frame = 0;
  uint64_t hash = 0;  // GameStateHash at the end of that frame
  friend bool operator==(const StateCheck&, const StateCheck&) = default;
};

struct Recording {
  std::string gameVersion;
  uint64_t dataChecksum = 0;
  GameMode mode = GameMode::Solo;
  // The state at the start of frame 1 where it differs from the program's
  // start; the best score is the value read from "scor" in frame 1.
  std::vector<StateValues> start;
  std::vector<RecordedInput> inputs;  // in rising frame order, the first for frame 1
  std::vector<uint32_t> ticks;        // the fall timer's tick, every time the rules read it
  std::vector<int64_t> calendarSeconds;
  std::vector<StateCheck> checks;  // at every StateCheckInterval-th frame
  std::string marks;               // FrameMark of the state at the end of every frame from 1 on; none in format 1
  uint32_t frames = 0;             // frame 1 confirms the game on the title; the last is back on it
  int32_t finalScore = 0;          // the score as the game ended, before the end resets it
  uint64_t finalHash = 0;          // GameStateHash at the end of the last frame
};
