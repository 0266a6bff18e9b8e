#include "screens/caption_motion.h"

namespace {

constexpr double BrakeAboveSpeed = 13.0;
constexpr double RiseBelowSpeed = -6.0;
constexpr double SpeedChange = 0.3;

}  // namespace

bool MoveCaption(double& y, double& speed, uint8_t& braking) {
  if (braking == 0 && speed > BrakeAboveSpeed) braking = 1;
  bool risingAgain = false;
  if (braking == 1 && speed < RiseBelowSpeed) {
    braking = 0;
    risingAgain = true;
  }
  if (braking == 1) {
    speed -= SpeedChange;
  } else {
    speed += SpeedChange;
  }
  y -= speed;
  return risingAgain;
}
