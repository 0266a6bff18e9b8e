#include "tools/replay/event_log.h"

#include "shell/clock.h"
#include "shell/scenes.h"

namespace {

constexpr const char* EffectNames[] = {"SfxCursor",   "SfxConfirm", "SfxLand",  "SfxDrop",
                                       "SfxGameOver", "SfxFlash",   "SfxIntro", "SfxRaise"};
constexpr const char* SceneNames[] = {"SceneTitle", "SceneSpeedSelect", "SceneSolo", "SceneVersus"};

template <size_t Count>
const char* NameOf(const char* const (&names)[Count], int index) {
  return index >= 0 && index < static_cast<int>(Count) ? names[index] : "?";
}

}  // namespace

std::string QuotedText(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

void EventLog::Collect(uint32_t frame) {
  const auto& notices = machine_.host.notices;
  for (; noticesSeen_ < notices.size(); ++noticesSeen_) {
    const auto& notice = notices[noticesSeen_];
    Add(frame, "notice " + QuotedText(notice.caption) + " " + QuotedText(notice.text));
  }
  const auto& played = machine_.sound.played;
  for (; effectsSeen_ < played.size(); ++effectsSeen_) {
    const int slot = played[effectsSeen_].slot;
    Add(frame, "effect " + std::to_string(slot) + " " + NameOf(EffectNames, slot));
  }
  CollectMusic(frame);
  if (currentScene != sceneSeen_) {
    sceneSeen_ = currentScene;
    Add(frame, "scene " + std::to_string(sceneSeen_) + " " + NameOf(SceneNames, sceneSeen_));
  }
}

// A start plays at once; a change waits for the next bar line, which falls in
// the frame whose 16 ms contain its tick. A change overtaken by a later
// request before its bar line never takes effect.
void EventLog::CollectMusic(uint32_t frame) {
  const auto& changes = machine_.music.changes;
  for (; musicRequestsSeen_ < changes.size(); ++musicRequestsSeen_) {
    const auto& change = changes[musicRequestsSeen_];
    Add(frame, std::string("music ") + (change.immediate ? "start " : "request ") + std::to_string(change.segment) +
                   " repeats " + std::to_string(change.repeats));
  }
  const uint64_t frameEnd = uint64_t{TickOfFrame(frame)} + FrameTicks;
  for (; musicChangesDone_ < changes.size(); ++musicChangesDone_) {
    const auto& change = changes[musicChangesDone_];
    if (change.immediate || change.replaced) continue;
    if (change.takesEffectAt >= frameEnd) break;
    Add(frame, "music playing " + std::to_string(change.segment) + " from tick " +
                   std::to_string(change.takesEffectAt));
  }
}

std::string EventLog::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + '\n';
  return text;
}

void EventLog::Add(uint32_t frame, const std::string& event) {
  lines_.push_back(std::to_string(frame) + " " + event);
}
