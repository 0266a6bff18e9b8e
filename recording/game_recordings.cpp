#include "recording/game_recordings.h"

#include <memory>
#include <ostream>

#include "recording/compatibility.h"
#include "recording/data_checksum.h"
#include "recording/recording_text.h"
#include "recording/replay_folder.h"

GameRecordings::GameRecordings(std::string folder, std::ostream& messages)
    : folder_(std::move(folder)),
      messages_(messages),
      recorder_(GameVersion, DataFilesChecksum(), CaptureState(), messages,
                [this](FinishedGame&& game) { Keep(std::move(game)); }) {}

GameRecordings::~GameRecordings() { recorder_.FinishCutShort(); }

void GameRecordings::Keep(FinishedGame&& game) {
  auto finished = std::make_shared<const FinishedGame>(std::move(game));
  const bool handed = writer_.Hand([finished, folder = folder_, &messages = messages_] {
    std::string error;
    if (!KeepGame(folder, RecordingText(finished->recording), finished->recording.mode, finished->setBestScore,
                  error)) {
      messages << "kerzonk: " + error + "\n";
    }
  });
  if (!handed) messages_ << "kerzonk: the game was not kept: earlier games are still being written\n";
}
