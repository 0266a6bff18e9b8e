#include "platform/rate_doubler.h"

#include <algorithm>
#include <cmath>

namespace platform {

RateDoubler::RateDoubler() {
  // sinc at the half-sample points, under a Blackman window reaching just
  // past the outermost tap; scaled so that a constant passes unchanged.
  const double pi = std::acos(-1.0);
  const double span = Reach + 0.5;
  double sum = 0;
  for (int k = 1; k <= Reach; ++k) {
    const double t = k - 0.5;
    const double window = 0.42 + 0.5 * std::cos(pi * t / span) + 0.08 * std::cos(2 * pi * t / span);
    taps_[k - 1] = static_cast<float>(std::sin(pi * t) / (pi * t) * window);
    sum += 2 * taps_[k - 1];
  }
  for (float& tap : taps_) tap = static_cast<float>(tap / sum);
  Reset();
}

void RateDoubler::Reset() {
  std::fill(&history_[0][0], &history_[0][0] + 2 * 2 * Window, 0.0f);
  next_ = 0;
}

void RateDoubler::Push(float left, float right, float out[4]) {
  const float in[2] = {left, right};
  for (int c = 0; c < 2; ++c) {
    history_[c][next_] = in[c];
    history_[c][next_ + Window] = in[c];
  }
  next_ = (next_ + 1) % Window;
  // The window, oldest first, is history_[c][next_ .. next_ + Window); the
  // halfway point lies between its frames Reach - 1 and Reach.
  for (int c = 0; c < 2; ++c) {
    const float* window = &history_[c][next_];
    float halfway = 0;
    for (int k = 1; k <= Reach; ++k) halfway += taps_[k - 1] * (window[Reach - k] + window[Reach - 1 + k]);
    out[c] = window[Reach - 1];
    out[2 + c] = halfway;
  }
}

}  // namespace platform
