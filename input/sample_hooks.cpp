#include "input/sample_hooks.h"

#include <utility>

namespace {

InputSampleReplacement replacement;
InputSampleObserver observer;

}  // namespace

void SetInputSampleReplacement(InputSampleReplacement newReplacement) { replacement = std::move(newReplacement); }

void SetInputSampleObserver(InputSampleObserver newObserver) { observer = std::move(newObserver); }

InputSample PassInputSample(const InputSample& taken) {
  const InputSample sample = replacement ? replacement(taken) : taken;
  if (observer) observer(sample);
  return sample;
}
