#include "recording/recorder.h"

#include <ostream>
#include <utility>

#include "input/sample_hooks.h"
#include "recording/frame_marks.h"
#include "recording/state_hash.h"
#include "rules/state.h"
#include "screens/best_score.h"
#include "shell/scenes.h"

namespace {

// A game whose recording grows past this is not kept: some 50 hours of play
// at the usual rate of clock values and input changes.
constexpr size_t MaxRecordedBytes = 64u << 20;

bool InGameScene() { return currentScene == SceneSolo || currentScene == SceneVersus; }

size_t RecordedBytes(const Recording& recording) {
  return recording.ticks.size() * sizeof(uint32_t) + recording.calendarSeconds.size() * sizeof(int64_t) +
         recording.inputs.size() * sizeof(RecordedInput) + recording.marks.size();
}

}  // namespace

Recorder::Recorder(std::string gameVersion, uint64_t dataChecksum, StateImage programStart, std::ostream& messages,
                   Sink sink)
    : gameVersion_(std::move(gameVersion)),
      dataChecksum_(dataChecksum),
      programStart_(std::move(programStart)),
      messages_(messages),
      sink_(std::move(sink)) {
  titleBefore_ = currentScene == SceneTitle;
  if (titleBefore_) TakeTitleSnapshot(AppliedInputSample());
  SetInputSampleObserver([this](const InputSample& sample) { EndOfFrame(sample); });
  SetLogicClockObserver([this](LogicClockValue kind, int64_t value) { ClockValue(kind, value); });
}

Recorder::~Recorder() {
  SetInputSampleObserver(nullptr);
  SetLogicClockObserver(nullptr);
}

void Recorder::FinishCutShort() {
  if (game_) EndGame(false);
}

// The state now is the end of the frame just run; the sample is what the
// next frame's handlers will read.
void Recorder::EndOfFrame(const InputSample& sample) {
  if (!game_ && titleBefore_ && InGameScene()) BeginGame();
  if (game_) RecordFrame(sample);
  pendingClocks_.ticks.clear();
  pendingClocks_.calendarSeconds.clear();
  titleBefore_ = !game_ && currentScene == SceneTitle;
  if (titleBefore_) TakeTitleSnapshot(sample);
}

void Recorder::ClockValue(LogicClockValue kind, int64_t value) {
  Recording& into = game_ ? *game_ : pendingClocks_;
  if (kind == LogicClockValue::Ticks) {
    into.ticks.push_back(static_cast<uint32_t>(value));
  } else {
    into.calendarSeconds.push_back(value);
  }
}

void Recorder::TakeTitleSnapshot(const InputSample& sample) {
  CaptureStateInto(titleState_);
  titleSample_ = sample;
}

// The frame just run left the title for a game: it is frame 1. Its start is
// the title's state before it, with the best score as that frame read it.
void Recorder::BeginGame() {
  game_.emplace();
  Recording& game = *game_;
  game.gameVersion = gameVersion_;
  game.dataChecksum = dataChecksum_;
  game.mode = currentScene == SceneSolo ? GameMode::Solo : GameMode::Versus;
  static const StateVariable* const bestScoreVariable = FindStateVariable("bestScore");
  CopyIntoImage(*bestScoreVariable, titleState_);
  game.start = ChangedValues(titleState_, programStart_);
  game.inputs.push_back({1, titleSample_});
  game.ticks = std::move(pendingClocks_.ticks);
  game.calendarSeconds = std::move(pendingClocks_.calendarSeconds);
  bestScoreAtStart_ = bestScore;
}

void Recorder::RecordFrame(const InputSample& sample) {
  Recording& game = *game_;
  ++game.frames;
  game.finalHash = GameStateHash();
  game.marks += FrameMark(game.finalHash);
  if (game.frames % StateCheckInterval == 0) game.checks.push_back({game.frames, game.finalHash});
  if (currentScene == SceneTitle) {
    EndGame(true);
    return;
  }
  game.finalScore = score;
  if (game.inputs.back().sample != sample) game.inputs.push_back({game.frames + 1, sample});
  if (game.frames >= MaxRecordingFrames || RecordedBytes(game) > MaxRecordedBytes) {
    messages_ << "kerzonk: the game is too long to be recorded; it will not be kept\n";
    game_.reset();
  }
}

void Recorder::EndGame(bool endedOnTitle) {
  FinishedGame finished{std::move(*game_), false};
  game_.reset();
  Recording& game = finished.recording;
  // A game cut short has no frame after its last.
  if (game.inputs.back().frame > game.frames) game.inputs.pop_back();
  // A game played where the best score is not kept (a network session) sets no best.
  finished.setBestScore = endedOnTitle && game.mode == GameMode::Solo && bestScoreFileInUse &&
                          bestScoreAtStart_ < game.finalScore;
  sink_(std::move(finished));
}
