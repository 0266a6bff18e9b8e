// Doubles the sample rate of a stereo signal. Each frame taken in gives two
// frames out: the frame itself and the one halfway to the next, interpolated
// by a windowed-sinc half-band filter that keeps what lies below 9 kHz of a
// 22,050 Hz signal unchanged and holds its mirror images more than 75 dB
// down. The output lags the input by Reach frames of the input.
#pragma once

namespace platform {

class RateDoubler {
 public:
  // Input frames on each side of a halfway point that the filter reads.
  static constexpr int Reach = 16;

  RateDoubler();
  // Takes one frame and writes two: out = {left, right, left, right}.
  void Push(float left, float right, float out[4]);
  // Forgets what came before, as if silence had been pushed.
  void Reset();

 private:
  static constexpr int Window = 2 * Reach;
  float taps_[Reach];  // for the pairs of frames 1, 2, ... Reach away from the halfway point
  // The last Window frames of each channel, written twice over so that the
  // window always lies whole in history_[c][next_ .. next_ + Window).
  float history_[2][2 * Window];
  int next_ = 0;
};

}  // namespace platform
