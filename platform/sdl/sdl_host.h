// The SDL window with its message queue, notices and clocks.
#pragma once

#include <SDL.h>

#include <deque>

#include "platform/platform.h"
#include "platform/sdl/precise_sleep.h"

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
  uint32_t Ticks() override { return tickClocks.Ticks(); }
  void IdleUntil(uint32_t tick) override;
  int64_t CalendarSeconds() override;

  SDL_Window* Window() const { return window; }
  // The display to show again when the window changes or the renderer is reset.
  void AttachDisplay(SdlDisplay* shownDisplay) { display = shownDisplay; }

 private:
  void HandleWindowChange(const SDL_Event& event);
  void ToggleFullScreen();

  SDL_Window* window = nullptr;
  int pictureWidth = 0;
  int pictureHeight = 0;
  SdlDisplay* display = nullptr;
  std::deque<Message> posted;  // quit requests, and the activation of the newly shown window
  SdlTickClocks tickClocks;
  TickWaiter tickWaiter;
};

}  // namespace platform
