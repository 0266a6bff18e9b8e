// The real game's recorder: every game played, cut short by a quit or not,
// is kept in the replays folder, written on a thread of its own.
#pragma once

#include <iosfwd>
#include <string>

#include "recording/background_writer.h"
#include "recording/recorder.h"

class GameRecordings {
 public:
  // To be made in the data folder before the first frame; a game that
  // cannot be kept is reported with one line on messages.
  GameRecordings(std::string folder, std::ostream& messages);
  // Keeps a game still going and waits until every game has been written.
  ~GameRecordings();
  GameRecordings(const GameRecordings&) = delete;
  GameRecordings& operator=(const GameRecordings&) = delete;

  // Keeps the game under way now, cut short where it stands (a network
  // session that ended in the middle of it).
  void KeepGameUnderWay() { recorder_.FinishCutShort(); }

 private:
  void Keep(FinishedGame&& game);

  std::string folder_;
  std::ostream& messages_;
  BackgroundWriter writer_;  // made before the recorder and gone after it
  Recorder recorder_;
};
