#include "tools/replay/recorded_run.h"

#include <iostream>
#include <optional>

#include "recording/compatibility.h"
#include "recording/data_checksum.h"
#include "recording/playback.h"
#include "recording/recorder.h"
#include "recording/recording_file.h"
#include "recording/recording_text.h"
#include "tools/replay/replay_runner.h"

int RunWithInput(const ReplayOptions& options, const RunInput& input, std::ostream& out, std::string& error) {
  const uint64_t dataChecksum = DataFilesChecksum();
  std::optional<Playback> playback;
  if (input.recording) {
    const std::string incompatibility = Incompatibility(*input.recording, dataChecksum);
    if (!incompatibility.empty()) {
      error = options.inputPath + ": " + incompatibility;
      return ExitRefused;
    }
    playback.emplace(*input.recording);
  }

  const StateImage programStart = CaptureState();
  std::optional<Recorder> recorder;
  std::optional<Recording> firstGame;
  ReplayHooks hooks;
  hooks.beforeFirstFrame = [&] {
    if (playback) playback->Begin();
    if (options.recordPath.empty()) return;
    recorder.emplace(GameVersion, dataChecksum, programStart, std::cerr, [&](FinishedGame&& game) {
      if (!firstGame) firstGame = std::move(game.recording);
    });
  };
  if (playback) {
    hooks.checkFrame = [&](uint32_t, std::string& why) {
      why = playback->DivergenceText();
      return why.empty();
    };
  }

  InputPlayer player(input.script);
  const int exitCode = RunReplay(options, player, error, hooks);
  if (recorder) recorder->FinishCutShort();
  if (exitCode != 0) return exitCode;
  if (!options.recordPath.empty()) {
    if (!firstGame) {
      error = "no game was played to record in " + options.recordPath;
      return ExitRefused;
    }
    if (!WriteFileAtomically(options.recordPath, RecordingText(*firstGame), error)) return ExitRefused;
  }
  if (playback && !playback->Finished()) {
    error = "the playback stopped at frame " + std::to_string(playback->FramesPlayed()) + " of " +
            std::to_string(input.recording->frames);
    return ExitCheckFailed;
  }
  if (playback) out << "verified\n";
  return exitCode;
}
