// The SDL window's messages and notices, driven through SDL's dummy video driver.
#include <gtest/gtest.h>

#include <sched.h>

#include <csignal>
#include <thread>

#include "platform/sdl/sdl_host.h"
#include "platform/sdl/sdl_messages.h"
#include "platform/sdl/thread_priority.h"

namespace {

using platform::Message;
using platform::MessageKind;

SDL_Event KeyDown(SDL_Keycode key, Uint16 modifiers = KMOD_NONE, Uint8 repeat = 0) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.sym = key;
  event.key.keysym.mod = modifiers;
  event.key.repeat = repeat;
  return event;
}

SDL_Event WindowEvent(Uint8 change) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = change;
  return event;
}

void ExpectMessage(const SDL_Event& event, MessageKind kind, int value) {
  const Message message = platform::MessageFromEvent(event);
  EXPECT_EQ(message.kind, kind) << "event type " << event.type;
  EXPECT_EQ(message.value, value) << "event type " << event.type;
}

TEST(SdlMessages, WindowChangesBecomeActivation) {
  ExpectMessage(WindowEvent(SDL_WINDOWEVENT_SHOWN), MessageKind::Activate, 1);
  ExpectMessage(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), MessageKind::Activate, 1);
  ExpectMessage(WindowEvent(SDL_WINDOWEVENT_RESTORED), MessageKind::Activate, 1);
  ExpectMessage(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), MessageKind::Activate, 0);
  ExpectMessage(WindowEvent(SDL_WINDOWEVENT_MINIMIZED), MessageKind::Activate, 0);
  ExpectMessage(WindowEvent(SDL_WINDOWEVENT_EXPOSED), MessageKind::Other, 0);
}

TEST(SdlMessages, EscapeQuitsAndTheCloseRequestDestroys) {
  ExpectMessage(KeyDown(SDLK_ESCAPE), MessageKind::EscapeKey, 0);
  ExpectMessage(KeyDown(SDLK_z), MessageKind::Other, 0);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ExpectMessage(quit, MessageKind::Destroy, 0);
}

TEST(SdlMessages, OnlyAFreshAltEnterTogglesFullScreen) {
  EXPECT_TRUE(platform::IsFullScreenToggle(KeyDown(SDLK_RETURN, KMOD_LALT)));
  EXPECT_TRUE(platform::IsFullScreenToggle(KeyDown(SDLK_KP_ENTER, KMOD_RALT)));
  EXPECT_FALSE(platform::IsFullScreenToggle(KeyDown(SDLK_RETURN)));
  EXPECT_FALSE(platform::IsFullScreenToggle(KeyDown(SDLK_RETURN, KMOD_LALT, 1)));
  EXPECT_FALSE(platform::IsFullScreenToggle(KeyDown(SDLK_x, KMOD_LALT)));
}

class DummyWindow : public testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_TRUE(host.OpenWindow("Kerzonk", 640, 480)) << SDL_GetError();
  }

  // Every message up to and including the first of the given kind; fails if it never comes.
  std::vector<Message> TakeUntil(MessageKind kind) {
    std::vector<Message> taken;
    Message message;
    for (int pass = 0; pass < 1000 && (taken.empty() || taken.back().kind != kind); ++pass) {
      if (host.TakeMessage(message)) taken.push_back(message);
    }
    EXPECT_FALSE(taken.empty());
    if (!taken.empty()) {
      EXPECT_EQ(taken.back().kind, kind);
    }
    return taken;
  }

  platform::SdlHost host;
};

TEST_F(DummyWindow, OpeningTheWindowActivatesTheGameAndNamesTheWindow) {
  EXPECT_STREQ(SDL_GetWindowTitle(host.Window()), "Kerzonk");
  Message message;
  ASSERT_TRUE(host.TakeMessage(message));
  EXPECT_EQ(message.kind, MessageKind::Activate);
  EXPECT_EQ(message.value, 1);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
}

TEST_F(DummyWindow, EachCallTakesOneEventInOrder) {
  TakeUntil(MessageKind::Activate);
  SDL_Event escape = KeyDown(SDLK_ESCAPE);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&escape);
  SDL_PushEvent(&quit);
  const std::vector<Message> taken = TakeUntil(MessageKind::Destroy);
  ASSERT_GE(taken.size(), 2u);
  EXPECT_EQ(taken[taken.size() - 2].kind, MessageKind::EscapeKey);
}

TEST_F(DummyWindow, PostedQuitCarriesItsExitCode) {
  host.PostQuit(3);
  const std::vector<Message> taken = TakeUntil(MessageKind::Quit);
  EXPECT_EQ(taken.back().value, 3);
  host.PostQuit(0);
  host.WaitMessage();  // returns at once: the quit is already waiting
  EXPECT_EQ(TakeUntil(MessageKind::Quit).back().value, 0);
}

TEST_F(DummyWindow, TerminationSignalBecomesDestroy) {
  struct sigaction current {};
  sigaction(SIGTERM, nullptr, &current);
  if (current.sa_handler == SIG_DFL) GTEST_SKIP() << "SDL left SIGTERM alone in this process";
  std::raise(SIGTERM);
  TakeUntil(MessageKind::Destroy);
}

TEST_F(DummyWindow, NoticeGoesToStandardErrorWithoutABox) {
  testing::internal::CaptureStderr();
  host.ShowNotice("お知らせ", "ビットマップのロードに失敗しました。");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "お知らせ: ビットマップのロードに失敗しました。\n");
}

// Asked for on the frame loop's first wait, and for that thread alone; a
// system that refuses it (no root, no real-time allowance) leaves it as it was.
TEST(FrameLoopPriority, TheFirstWaitRaisesOnlyTheWaitingThread) {
  bool allowed = false;
  std::thread([&] { allowed = platform::RaiseThisThread(platform::FrameLoopPriority); }).join();
  platform::SdlHost host;
  int policy = -1;
  sched_param parameters{};
  std::thread([&] {
    host.IdleUntil(host.Ticks() + 1);
    policy = sched_getscheduler(0);
    sched_getparam(0, &parameters);
  }).join();
  if (allowed) {
    EXPECT_EQ(policy, SCHED_RR | SCHED_RESET_ON_FORK);
    EXPECT_EQ(parameters.sched_priority, platform::FrameLoopPriority);
  } else {
    EXPECT_EQ(policy, SCHED_OTHER);
  }
  EXPECT_EQ(sched_getscheduler(0), SCHED_OTHER) << "the thread that made the host";
}

}  // namespace
