#include "recording/playback.h"

#include "input/sample_hooks.h"
#include "recording/frame_marks.h"
#include "recording/state_hash.h"
#include "rules/state.h"
#include "screens/best_score.h"
#include "shell/logic_clock.h"
#include "shell/scenes.h"

Playback::Playback(const Recording& recording) : recording_(recording) {}

Playback::~Playback() {
  SetInputSampleReplacement(nullptr);
  SetLogicClockSource({});
  bestScoreFileInUse = true;
}

void Playback::Begin() {
  ApplyValues(recording_.start);
  bestScoreFileInUse = false;
  SetLogicClockSource({[this] {
                         if (nextTick_ < recording_.ticks.size()) return recording_.ticks[nextTick_++];
                         clockRanOut_ = true;
                         return recording_.ticks.empty() ? 0u : recording_.ticks.back();
                       },
                       [this] {
                         if (nextSecond_ < recording_.calendarSeconds.size()) {
                           return recording_.calendarSeconds[nextSecond_++];
                         }
                         clockRanOut_ = true;
                         return recording_.calendarSeconds.empty() ? int64_t{0} : recording_.calendarSeconds.back();
                       }});
  SetInputSampleReplacement([this](const InputSample&) { return EndOfFrame(); });
  current_ = recording_.inputs.front().sample;
  nextInput_ = 1;
  ApplyInputSample(current_);
}

std::string Playback::DivergenceText() const {
  if (divergedAt_ == 0) return {};
  return "the game differs from the recording at frame " + std::to_string(divergedAt_) + ": " + divergence_;
}

InputSample Playback::EndOfFrame() {
  ++played_;
  if (played_ <= recording_.frames) CheckFrame();
  if (afterFrame) afterFrame(played_);
  const uint32_t next = played_ + 1;
  if (nextInput_ < recording_.inputs.size() && recording_.inputs[nextInput_].frame == next) {
    current_ = recording_.inputs[nextInput_++].sample;
  }
  return current_;
}

void Playback::CheckFrame() {
  if (clockRanOut_) Diverge("the game read more clock values than the recording holds");
  const uint64_t hash = GameStateHash();
  // A state that differs keeps its frame's mark once in 64 times; a later
  // mark or check finds it then.
  const bool markDiffers = played_ <= recording_.marks.size() && FrameMark(hash) != recording_.marks[played_ - 1];
  const bool checked = nextCheck_ < recording_.checks.size() && recording_.checks[nextCheck_].frame == played_;
  const bool checkFails = checked && hash != recording_.checks[nextCheck_].hash;
  if (markDiffers) {
    Diverge(std::string("the state differs from the one recorded, by its mark") + (checkFails ? " and its check" : ""));
  } else if (checkFails) {
    const uint32_t matched = nextCheck_ > 0 ? recording_.checks[nextCheck_ - 1].frame : 0;
    Diverge("the state differs from the one recorded" +
            (matched > 0 ? " (it still matched at frame " + std::to_string(matched) + ")" : std::string()));
  }
  if (checked) ++nextCheck_;
  if (currentScene != SceneTitle) lastScore_ = score;
  if (played_ != recording_.frames) return;
  if (hash != recording_.finalHash) Diverge("the final state differs from the one recorded");
  if (lastScore_ != recording_.finalScore) {
    Diverge("the game ended with " + std::to_string(lastScore_) + " points, the recording with " +
            std::to_string(recording_.finalScore));
  }
  if (nextTick_ < recording_.ticks.size() || nextSecond_ < recording_.calendarSeconds.size()) {
    Diverge("the game read fewer clock values than the recording holds");
  }
}

void Playback::Diverge(const std::string& why) {
  if (divergedAt_ != 0) return;
  divergedAt_ = played_;
  divergence_ = why;
}
