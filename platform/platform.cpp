#include "platform/platform.h"

namespace platform {

namespace {
Facilities installed;
}

void Install(const Facilities& facilities) { installed = facilities; }

Host& host() { return *installed.host; }
Display& display() { return *installed.display; }
Controls& controls() { return *installed.controls; }
SoundDevice& sound() { return *installed.sound; }
MusicDevice& music() { return *installed.music; }

}  // namespace platform
