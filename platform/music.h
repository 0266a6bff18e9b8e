// The music synthesiser and sequencer.
#pragma once

namespace platform {

class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
};

}  // namespace platform
