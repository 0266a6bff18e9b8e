#include "tools/replay/replay_runner.h"

#include <fstream>
#include <map>
#include <optional>

#include "audio/music.h"
#include "audio/sound.h"
#include "input/input.h"
#include "platform/headless/headless.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "tools/replay/event_log.h"
#include "tools/replay/replay_peer.h"
#include "tools/replay/screenshot.h"
#include "tools/replay/state_json.h"
#include "video/display.h"
#include "video/picture.h"

namespace {

constexpr int ExitOutputFailed = 2;

bool WriteText(const std::string& path, const std::string& text, std::string& error) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file.flush()) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

std::multimap<uint32_t, std::string> ByFrame(const std::vector<FrameFile>& files) {
  std::multimap<uint32_t, std::string> byFrame;
  for (const FrameFile& file : files) byFrame.emplace(file.frame, file.path);
  return byFrame;
}

class Replay {
 public:
  Replay(const ReplayOptions& options, InputSource& input, const ReplayHooks& hooks)
      : options_(options), input_(input), hooks_(hooks), log_(machine_), shots_(ByFrame(options.shots)),
        states_(ByFrame(options.states)) {
    machine_.host.calendarStart = options.time;
    if (input.UsesJoystick()) machine_.controls.joystickResult = platform::JoystickResult::Ok;
    ApplyHeldInput(NothingHeld(), machine_.controls);
    machine_.Install();
  }

  int Run(std::string& error) {
    if (!options_.statesPath.empty()) {
      statesFile_.open(options_.statesPath, std::ios::binary);
      if (!statesFile_) return Fail("cannot write " + options_.statesPath, error);
    }
    if (InitApplication() == 0) {
      log_.Collect(0);
      return WriteLog(error) ? StartupFailedExitCode : ExitOutputFailed;
    }
    int exitCode = 0;
    machine_.host.Queue(platform::Message{platform::MessageKind::Activate, 1});
    while (!machine_.host.messages.empty() && RunLoopPass(exitCode)) {
    }
    log_.Collect(0);
    if (options_.peer != PeerRole::None && !JoinSession(error)) return StartupFailedExitCode;
    if (hooks_.beforeFirstFrame) hooks_.beforeFirstFrame();
    // A failed check ends the run after that frame, its log written all the same.
    uint32_t frame = 1;
    bool checked = true;
    for (; frame <= options_.frames && checked; ++frame) {
      // A peer's sample taken at the end of this frame is for the frame the input delay ahead.
      ApplyHeldInput(input_.HeldAt(peer_ ? frame + options_.inputDelay : frame), machine_.controls);
      machine_.host.tick = TickOfFrame(frame);
      RunLoopPass(exitCode);
      if (peer_ && peer_->Ended()) break;
      log_.Collect(frame);
      if (!WriteFrameFiles(frame, error)) return ExitOutputFailed;
      checked = !hooks_.checkFrame || hooks_.checkFrame(frame, error);
    }
    // A peer ends together with the other side, after the last frame.
    const bool peerFailed = peer_ && checked && !(frame > options_.frames && peer_->Finish(error));
    if (peerFailed && error.empty()) error = peer_->EndText();
    peer_.reset();
    machine_.host.Queue(platform::Message{platform::MessageKind::EscapeKey, 0});
    while (RunLoopPass(exitCode)) {
    }
    ReleaseMusic(MusicSegmentCount);
    ReleaseSound(EffectCount);
    ReleaseDisplay(PictureCount);
    log_.Collect(frame - 1);
    if (!WriteLog(error)) return ExitOutputFailed;
    if (peerFailed) return StartupFailedExitCode;
    return checked ? exitCode : ExitCheckFailed;
  }

 private:
  static int Fail(const std::string& message, std::string& error) {
    error = message;
    return ExitOutputFailed;
  }

  bool WriteFrameFiles(uint32_t frame, std::string& error) {
    const bool wantsState = statesFile_.is_open() || states_.count(frame) > 0;
    const std::string state = wantsState ? GameStateJson(frame) + '\n' : std::string();
    if (statesFile_.is_open() && !(statesFile_ << state)) {
      error = "cannot write " + options_.statesPath;
      return false;
    }
    auto [stateBegin, stateEnd] = states_.equal_range(frame);
    for (auto it = stateBegin; it != stateEnd; ++it) {
      if (!WriteText(it->second, state, error)) return false;
    }
    auto [shotBegin, shotEnd] = shots_.equal_range(frame);
    for (auto it = shotBegin; it != shotEnd; ++it) {
      if (!WriteScreenshot(machine_.display, it->second)) {
        error = "cannot write " + it->second;
        return false;
      }
    }
    return true;
  }

  // Connects to the other side and hands it the samples of the first frames.
  bool JoinSession(std::string& error) {
    peer_.emplace(options_);
    if (!peer_->Connect(error)) return false;
    machine_.host.calendarStart = peer_->CalendarStart();
    peer_->Begin([this](uint32_t frame) {
      ApplyHeldInput(input_.HeldAt(frame), machine_.controls);
      return TakeInputSample();
    });
    return true;
  }

  bool WriteLog(std::string& error) {
    return options_.logPath.empty() || WriteText(options_.logPath, log_.Text(), error);
  }

  const ReplayOptions& options_;
  platform::Headless machine_;
  InputSource& input_;
  const ReplayHooks& hooks_;
  EventLog log_;
  std::multimap<uint32_t, std::string> shots_;
  std::multimap<uint32_t, std::string> states_;
  std::ofstream statesFile_;
  std::optional<ReplayPeer> peer_;
};

}  // namespace

int RunReplay(const ReplayOptions& options, InputSource& input, std::string& error, const ReplayHooks& hooks) {
  Replay replay(options, input, hooks);
  return replay.Run(error);
}
