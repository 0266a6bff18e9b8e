// Placeholder until the SDL backend is written.
#include "platform/sdl/sdl_backend.h"

namespace platform {
void InstallSdlBackend() {}
}  // namespace platform
