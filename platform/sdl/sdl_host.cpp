#include "platform/sdl/sdl_host.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_messages.h"
#include "platform/sdl/thread_priority.h"
#include "platform/sdl/window_icon.h"

namespace platform {

namespace {

constexpr int WindowedScale = 2;

// Events the game never looks at; left on, a busy mouse or stick would keep
// the queue from ever being empty and so hold back the frames.
constexpr SDL_EventType IgnoredEvents[] = {
    SDL_KEYUP, SDL_TEXTINPUT, SDL_TEXTEDITING,
    SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL,
    SDL_JOYAXISMOTION, SDL_JOYBALLMOTION, SDL_JOYHATMOTION, SDL_JOYBUTTONDOWN, SDL_JOYBUTTONUP,
    SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP,
    SDL_FINGERDOWN, SDL_FINGERUP, SDL_FINGERMOTION,
};

// Without a real video driver a message box would either fail or, worse,
// appear on some other display and wait there for a click.
bool CanShowMessageBox() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

// The whole desktop of a display; the picture's size, centred, if SDL cannot tell.
SDL_Rect DesktopArea(int displayIndex, int width, int height) {
  SDL_Rect area;
  if (SDL_GetDisplayBounds(displayIndex, &area) == 0) return area;
  return SDL_Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height};
}

}  // namespace

SdlHost::~SdlHost() {
  if (window != nullptr) SDL_DestroyWindow(window);
  SDL_Quit();
}

bool SdlHost::OpenWindow(const char* title, int width, int height) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
    return false;
  }
  for (SDL_EventType type : IgnoredEvents) SDL_EventState(type, SDL_IGNORE);
  // Placed over the whole desktop as well as made full screen: a bare X server
  // has no window manager to do the latter.
  const SDL_Rect desktop = DesktopArea(0, width, height);
  window = SDL_CreateWindow(title, desktop.x, desktop.y, desktop.w, desktop.h,
                            screen.fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_HIDDEN);
  if (window == nullptr) {
    std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
    return false;
  }
  pictureWidth = width;
  pictureHeight = height;
  SetWindowIconFromFile(window, iconFile);
  if (!screen.fullScreen) {
    EnterWindow();
    SDL_ShowWindow(window);
  }
  SDL_ShowCursor(SDL_DISABLE);
  posted.push_back(Message{MessageKind::Activate, 1});
  return true;
}

bool SdlHost::TakeMessage(Message& message) {
  if (!posted.empty()) {
    message = posted.front();
    posted.pop_front();
    return true;
  }
  SDL_Event event;
  if (SDL_PollEvent(&event) == 0) return false;
  if (IsFullScreenToggle(event)) {
    ToggleFullScreen();
  } else {
    HandleWindowChange(event);
  }
  message = MessageFromEvent(event);
  return true;
}

void SdlHost::HandleWindowChange(const SDL_Event& event) {
  if (display == nullptr) return;
  if (event.type == SDL_RENDER_TARGETS_RESET || event.type == SDL_RENDER_DEVICE_RESET) {
    display->RecoverTextures();
  } else if (event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                                               event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)) {
    display->ShowAgain();
  }
}

// Twice the picture's size, or its own size where that does not fit, centred.
void SdlHost::EnterWindow() {
  SDL_SetWindowFullscreen(window, 0);
  int scale = WindowedScale;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window), &usable) == 0 &&
      (usable.w < pictureWidth * scale || usable.h < pictureHeight * scale)) {
    scale = 1;
  }
  SDL_SetWindowSize(window, pictureWidth * scale, pictureHeight * scale);
  SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void SdlHost::ToggleFullScreen() {
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0) {
    EnterWindow();
  } else {
    const SDL_Rect desktop = DesktopArea(SDL_GetWindowDisplayIndex(window), pictureWidth, pictureHeight);
    SDL_SetWindowSize(window, desktop.w, desktop.h);
    SDL_SetWindowPosition(window, desktop.x, desktop.y);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  if (display != nullptr) display->ShowAgain();
}

void SdlHost::WaitMessage() {
  if (posted.empty()) SDL_WaitEvent(nullptr);
}

void SdlHost::PostQuit(int exitCode) { posted.push_back(Message{MessageKind::Quit, exitCode}); }

void SdlHost::ShowNotice(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
  if (CanShowMessageBox()) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), window);
  }
}

// The first wait comes after start-up's loading; from then on the frame loop
// only draws and sleeps, and takes a real-time priority where the system
// allows it, so that busy programs cannot make frames start late.
void SdlHost::IdleUntil(uint32_t target) {
  if (!frameLoopRaised) {
    frameLoopRaised = true;
    RaiseThisThread(FrameLoopPriority);
  }
  tick.WaitFor(target);
}

int64_t SdlHost::CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace platform
