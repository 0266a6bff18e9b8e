// The rise, brake, sink and rise again of the intro and game-over captions.
#pragma once

#include <cstdint>

// One frame of a caption's motion. Returns true when the caption stops
// braking and starts to speed up again.
bool MoveCaption(double& y, double& speed, uint8_t& braking);
