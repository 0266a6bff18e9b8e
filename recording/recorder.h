// Records every game the frame loop runs, from the frame in which the title
// confirms it to the frame that is back on the title, by watching the input
// samples and the clock values the rules read.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "recording/recording.h"
#include "shell/logic_clock.h"

struct FinishedGame {
  Recording recording;
  bool setBestScore = false;  // a solo game that ended beating the best score it started with
};

class Recorder {
 public:
  using Sink = std::function<void(FinishedGame&& game)>;

  // programStart: the state the program started in (CaptureState() then),
  // which start values are told against. The recorder takes the input
  // sample's observer and the logic clock's observer until it goes away; a
  // game too long to keep is dropped with a line on messages.
  Recorder(std::string gameVersion, uint64_t dataChecksum, StateImage programStart, std::ostream& messages, Sink sink);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // Hands a game still going (cut short by a quit) to the sink.
  void FinishCutShort();

 private:
  void EndOfFrame(const InputSample& sample);
  void ClockValue(LogicClockValue kind, int64_t value);
  void BeginGame();
  void RecordFrame(const InputSample& sample);
  void EndGame(bool endedOnTitle);
  void TakeTitleSnapshot(const InputSample& sample);

  std::string gameVersion_;
  uint64_t dataChecksum_;
  StateImage programStart_;
  std::ostream& messages_;
  Sink sink_;

  // The title at the end of the last frame, which the next frame may leave for a game.
  bool titleBefore_ = false;
  StateImage titleState_;
  InputSample titleSample_;
  Recording pendingClocks_;  // values read in the frame under way while no game is recorded

  std::optional<Recording> game_;
  int32_t bestScoreAtStart_ = 0;
};
