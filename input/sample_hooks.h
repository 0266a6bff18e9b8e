// The way of each frame's input sample from TakeInputSample to
// ApplyInputSample: a replacement (a recorded game played back, a lockstep
// session) may stand in for the sample taken from the devices, and an
// observer (a recorder) sees the sample that is about to be applied, at the
// end of the frame whose handlers have just run.
#pragma once

#include <functional>

#include "input/input.h"

using InputSampleReplacement = std::function<InputSample(const InputSample& taken)>;
using InputSampleObserver = std::function<void(const InputSample& sample)>;

// Empty functions take the replacement or the observer away; whoever sets
// one takes it away again when done.
void SetInputSampleReplacement(InputSampleReplacement replacement);
void SetInputSampleObserver(InputSampleObserver observer);

// The sample to apply for the one taken: replaced when a replacement is set,
// then shown to the observer.
InputSample PassInputSample(const InputSample& taken);
