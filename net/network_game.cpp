#include "net/network_game.h"

#include <ostream>

#include "input/key_bindings.h"
#include "net/joiner_keys.h"
#include "net/lockstep_frames.h"
#include "platform/platform.h"
#include "recording/game_recordings.h"
#include "screens/best_score.h"
#include "screens/network_captions.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/reset.h"
#include "video/display.h"

namespace net {

namespace {

constexpr int SetupFailedExitCode = 1;
// How long the notice of an ended session stays before local play goes on.
constexpr int NoticeFrames = 3 * FramesPerSecond;
// How long the goodbye may take to leave.
constexpr uint32_t GoodbyeMs = 300;

uint32_t Now() { return platform::host().Ticks(); }

// Handles the window's messages waiting (Escape quits); false once the
// program is to end.
bool TakeWindowMessages(int& exitCode) {
  platform::Message message;
  while (platform::host().TakeMessage(message)) {
    if (!HandleMessage(message, exitCode)) return false;
  }
  return true;
}

// One frame of a screen that only shows a caption: the window's messages
// first, then the picture. False once the program is to end.
bool CaptionFrame(NetworkCaption caption, int& exitCode) {
  StartFrameClock(FramesPerSecond);
  if (!TakeWindowMessages(exitCode)) return false;
  if (appActive == 1) {
    DrawNetworkCaption(caption);
    FlipScreen();
  }
  WaitNextFrame();
  return true;
}

NetworkCaption NoticeOf(SessionEnd end) {
  switch (end) {
    case SessionEnd::PeerQuit: return NetworkCaption::OpponentLeft;
    case SessionEnd::OutOfStep: return NetworkCaption::OutOfSync;
    default: return NetworkCaption::ConnectionLost;
  }
}

// Both sides play from the program's start-up state with the same best
// score, which a session neither reads nor writes; a joiner's keys all
// drive player 2. The destructor gives this machine its own settings back.
class SessionPlay {
 public:
  SessionPlay(Session& session, Role role, int inputDelay) : ownKeys_(keyBindings), frames_(session, Now) {
    if (role == Role::Joiner) keyBindings = JoinerKeyBindings(ownKeys_);
    RestartGame();
    bestScoreFileInUse = false;
    bestScore = 0;
    // A window in the background keeps the link alive; the other side waits.
    SetInactiveWait([&session] { session.Pump(Now(), 1000 / FramesPerSecond); });
    frames_.Begin(NothingHeldLeadIn(inputDelay));
  }
  ~SessionPlay() {
    SetInactiveWait(nullptr);
    bestScoreFileInUse = true;
    keyBindings = ownKeys_;
  }
  SessionPlay(const SessionPlay&) = delete;
  SessionPlay& operator=(const SessionPlay&) = delete;

  // Runs the program's frames until the session ends (true) or the program
  // is to end (false). While the other side's sample is late the window
  // still answers.
  bool Run(int& exitCode) {
    while (!frames_.Ended()) {
      if (frames_.Due()) {
        if (!RunLoopPass(exitCode)) return false;
      } else {
        if (!TakeWindowMessages(exitCode)) return false;
        frames_.AwaitOtherSide();
      }
    }
    return true;
  }
  uint32_t FramesRun() const { return frames_.FramesRun(); }

 private:
  KeyBindings ownKeys_;
  LockstepFrames frames_;
};

}  // namespace

bool PlaySession(Session& session, Role role, int inputDelay, GameRecordings& recordings, int& exitCode) {
  SessionPlay play(session, role, inputDelay);
  if (!play.Run(exitCode)) {
    session.Quit(play.FramesRun());
    return false;
  }
  recordings.KeepGameUnderWay();
  return true;
}

int RunNetworkGame(SessionRequest request, int inputDelay, GameRecordings& recordings, std::ostream& messages) {
  if (InitApplication() == 0) return StartupFailedExitCode;
  request.calendarStart = platform::host().CalendarSeconds();
  std::string error;
  std::unique_ptr<Session> session = OpenSession(request, Now(), error);
  if (session == nullptr) {
    messages << "kerzonk: " << error << '\n';
    ReleaseAll();
    return SetupFailedExitCode;
  }
  int exitCode = 0;
  const NetworkCaption waiting = request.role == Role::Host ? NetworkCaption::Waiting : NetworkCaption::Connecting;
  bool going = true;
  while (going && session->State() == SessionState::Waiting) {
    going = CaptionFrame(waiting, exitCode);
    session->Pump(Now(), 0);
  }
  if (!going || session->State() == SessionState::Ended) {
    if (going) messages << "kerzonk: " << session->EndText() << '\n';
    session->Close(GoodbyeMs);
    ReleaseAll();
    return going ? SetupFailedExitCode : exitCode;
  }
  if (!PlaySession(*session, request.role, inputDelay, recordings, exitCode)) {
    session->Close(GoodbyeMs);
    ReleaseAll();
    return exitCode;
  }
  const SessionEnd end = session->End();
  const char* kept = end == SessionEnd::OutOfStep ? "; the game under way, if any, is kept in the replays folder" : "";
  messages << "kerzonk: " << session->EndText() << kept << '\n';
  session->Close(GoodbyeMs);
  session.reset();
  for (int frame = 0; frame < NoticeFrames; ++frame) {
    if (!CaptionFrame(NoticeOf(end), exitCode)) {
      ReleaseAll();
      return exitCode;
    }
  }
  RestartGame();
  return RunFrameLoop();
}

}  // namespace net
