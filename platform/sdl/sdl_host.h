// The SDL window with its message queue, notices and clocks.
#pragma once

#include <SDL.h>

#include <deque>
#include <string>

#include "platform/platform.h"
#include "platform/tick_wait.h"

namespace platform {

class SdlDisplay;

class SdlHost : public Host {
 public:
  ~SdlHost() override;
  bool OpenWindow(const char* title, int width, int height) override;
  bool TakeMessage(Message& message) override;
  void WaitMessage() override;
  void PostQuit(int exitCode) override;
  void ShowNotice(const std::string& caption, const std::string& text) override;
  // Whole milliseconds since the host was made, on the monotonic clock.
  uint32_t Ticks() override { return tick.Now(); }
  void IdleUntil(uint32_t target) override;
  int64_t CalendarSeconds() override;

  SDL_Window* Window() const { return window; }
  // Full screen or a window at start, how the picture fills it, and the
  // window's icon file; set before OpenWindow.
  void ChooseWindow(const ScreenOptions& options, const std::string& iconPath) {
    screen = options;
    iconFile = iconPath;
  }
  const ScreenOptions& Screen() const { return screen; }
  // The display to show again when the window changes or the renderer is reset.
  void AttachDisplay(SdlDisplay* shownDisplay) { display = shownDisplay; }

 private:
  void HandleWindowChange(const SDL_Event& event);
  void ToggleFullScreen();
  void EnterWindow();

  SDL_Window* window = nullptr;
  int pictureWidth = 0;
  int pictureHeight = 0;
  SdlDisplay* display = nullptr;
  ScreenOptions screen;
  std::string iconFile;
  std::deque<Message> posted;  // quit requests, and the activation of the newly shown window
  MonotonicClock clock;
  MillisecondTick tick{clock, clock.Now()};
  bool frameLoopRaised = false;
};

}  // namespace platform
