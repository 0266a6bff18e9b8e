// The facilities the game needs from the machine: a window with its message
// queue and notices, clocks, an indexed display, the keys and the joystick,
// a sound device and a music synthesiser. Two backends provide them: SDL for
// the real game and a headless one for tests and tools.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class MessageKind : uint8_t {
  Quit,       // the loop ends; value is the exit code
  Activate,   // value 1 when the game becomes the active application, 0 when it loses that
  EscapeKey,  // the Escape key went down
  Destroy,    // the window is going away (closed, SIGINT, SIGTERM)
  Other,
};

struct Message {
  MessageKind kind = MessageKind::Other;
  int value = 0;
};

class Host {
 public:
  virtual ~Host() = default;
  // Creates and shows the game window and hides the mouse cursor.
  virtual bool OpenWindow(const char* title, int width, int height) = 0;
  // Takes one pending message off the queue without waiting; false when none is pending.
  virtual bool TakeMessage(Message& message) = 0;
  // Sleeps until a message is pending.
  virtual void WaitMessage() = 0;
  // Makes a later TakeMessage return Quit with this exit code.
  virtual void PostQuit(int exitCode) = 0;
  // A modal notice; returns once the user has closed it.
  virtual void ShowNotice(const std::string& caption, const std::string& text) = 0;
  // Millisecond tick, wraps at 2^32.
  virtual uint32_t Ticks() = 0;
  // Lets time pass until Ticks() has reached tick (or about to); the caller re-reads Ticks().
  virtual void IdleUntil(uint32_t tick) = 0;
  // Calendar time in whole seconds.
  virtual int64_t CalendarSeconds() = 0;
};

struct PaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;
};

// Which step of bringing up the display failed.
enum class DisplayResult : uint8_t {
  Ok,
  NoDevice,
  NoExclusiveMode,
  NoDisplayMode,
  NoPrimarySurface,
  NoBackBuffer,
  NoPalette,
  PaletteNotAttached,
};

// How the 640 x 480 picture fills the screen.
enum class Scaling : uint8_t {
  Integer,  // the largest whole multiple that fits, centred
  Fit,      // as large as fits with its shape kept, centred
};

struct ScreenOptions {
  bool fullScreen = true;  // false: a window
  Scaling scaling = Scaling::Integer;
};

class Display {
 public:
  virtual ~Display() = default;
  virtual DisplayResult Open(int width, int height, int bitsPerPixel) = 0;
  // Shows a picture of palette indices (width x height, rows pitch bytes apart)
  // through the 256 entries. waitVsync is set by a flip and clear for a palette write.
  virtual void Present(const uint8_t* pixels, int width, int height, int pitch,
                       const PaletteEntry* palette, bool waitVsync) = 0;
  virtual void Close() = 0;
};

// A key by its place on the keyboard, numbered as USB usage codes (SDL's
// scancodes); platform/key_names.h turns names into codes.
using KeyCode = uint16_t;
constexpr int KeyCodeCount = 512;

enum class JoystickResult : uint8_t { Ok, Unplugged, Error };

// An axis at rest reads halfway between its ends.
constexpr uint32_t JoystickAxisCentre = 32768;

struct JoystickSample {
  uint32_t x = 0;        // 0 at the left end, 65535 at the right
  uint32_t y = 0;        // 0 at the top end, 65535 at the bottom
  uint32_t buttons = 0;  // bit 0 button 1, bit 1 button 2, ...
  bool start = false;    // a pad's Start button
};

class Controls {
 public:
  virtual ~Controls() = default;
  // Takes in what the keyboard and the pads report now; called once before
  // the keys and the pad of one sample are read.
  virtual void TakeInEvents() = 0;
  virtual bool KeyHeld(KeyCode key) = 0;
  // The pad of the second player: Ok with its sample while one is connected.
  virtual JoystickResult QueryJoystick(JoystickSample& sample) = 0;
};

class SoundDevice;
class MusicDevice;

struct Facilities {
  Host* host = nullptr;
  Display* display = nullptr;
  Controls* controls = nullptr;
  SoundDevice* sound = nullptr;
  MusicDevice* music = nullptr;
};

// Chooses the backend; called once at start-up (or by a test before it runs game code).
void Install(const Facilities& facilities);

Host& host();
Display& display();
Controls& controls();
SoundDevice& sound();
MusicDevice& music();

}  // namespace platform
