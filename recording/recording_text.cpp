#include "recording/recording_text.h"

#include <charconv>
#include <iterator>
#include <type_traits>
#include <vector>

#include "recording/frame_marks.h"

namespace {

constexpr size_t ValuesPerLine = 40;
// A marks line covers the frames up to a check, the next line those up to the next.
constexpr size_t MarksPerLine = StateCheckInterval;
constexpr const char* ModeNames[] = {"solo", "versus"};
// Without marks, the checks alone tie the game's length to the file's.
const std::string FirstFormatChecks =
    "a recording without marks has a check line every " + std::to_string(StateCheckInterval) + " frames up to its end";

// The highest value of each input sample field.
constexpr uint32_t MaxDirections = 15;
constexpr uint32_t MaxKeyButton = 2;

std::string Hex(uint64_t value) {
  static const char digits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = digits[value & 15];
  return text;
}

std::string SampleText(const InputSample& sample) {
  return std::to_string(sample.keyDirections) + ' ' + std::to_string(sample.keyButton) + ' ' +
         std::to_string(sample.joyDirections) + ' ' + std::to_string(sample.joyButtons) + ' ' +
         std::to_string(sample.joystickPresent) + ' ' + (sample.pauseRequested ? '1' : '0');
}

// Values on lines of their own kind, each line starting with a whole value
// and going on with the differences from the value before.
template <typename Value, typename Difference>
void AppendValueLines(std::string& text, const char* word, const std::vector<Value>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    if (i % ValuesPerLine == 0) {
      if (i > 0) text += '\n';
      text += word;
      text += ' ' + std::to_string(values[i]);
    } else {
      using Unsigned = std::make_unsigned_t<Value>;
      const auto difference =
          static_cast<Difference>(static_cast<Unsigned>(values[i]) - static_cast<Unsigned>(values[i - 1]));
      text += ' ' + std::to_string(difference);
    }
  }
  if (!values.empty()) text += '\n';
}

std::string CheckLine(const StateCheck& check) {
  return std::string("check ") + std::to_string(check.frame) + ' ' + Hex(check.hash) + '\n';
}

// Each marks line followed by the checks of the frames it covers.
void AppendMarkAndCheckLines(std::string& text, const Recording& recording) {
  size_t check = 0;
  for (size_t first = 0; first < recording.marks.size(); first += MarksPerLine) {
    text += "marks " + std::to_string(first + 1) + ' ' + recording.marks.substr(first, MarksPerLine) + '\n';
    for (; check < recording.checks.size() && recording.checks[check].frame <= first + MarksPerLine; ++check) {
      text += CheckLine(recording.checks[check]);
    }
  }
  for (; check < recording.checks.size(); ++check) text += CheckLine(recording.checks[check]);
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value, int base = 10) {
  const char* end = text.data() + text.size();
  auto [rest, fault] = std::from_chars(text.data(), end, value, base);
  return !text.empty() && fault == std::errc() && rest == end;
}

bool ParseHash(std::string_view text, uint64_t& value) { return text.size() == 16 && ParseNumber(text, value, 16); }

// Up to 32 letters, digits and . + ~ _ -, as version numbers are written.
bool IsVersion(std::string_view word) {
  constexpr size_t MaxVersionLength = 32;
  if (word.size() > MaxVersionLength) return false;
  for (char c : word) {
    const bool allowed = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         std::string_view(".+~_-").find(c) != std::string_view::npos;
    if (!allowed) return false;
  }
  return true;
}

std::string Quoted(std::string_view word) { return std::string("\"").append(word).append("\""); }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsSpace(line[at])) ++at;
    const size_t begin = at;
    while (at < line.size() && !IsSpace(line[at])) ++at;
    if (at > begin) words.push_back(line.substr(begin, at - begin));
  }
  return words;
}

// Reads the lines in their order: the magic line, game, data and mode, the
// start values, the body (input, ticks, seconds, check and marks lines mixed), then
// frames, score and state, and nothing after.
class RecordingReader {
 public:
  explicit RecordingReader(Recording& recording) : recording_(recording) {}

  bool Line(const std::vector<std::string_view>& words, std::string& why) {
    const std::string_view word = words[0];
    const size_t arguments = words.size() - 1;
    switch (stage_) {
      case Stage::Magic:
        return Magic(words, why);
      case Stage::Game:
        if (!Expect(word, "game", arguments, 1, why)) return false;
        recording_.gameVersion = std::string(words[1]);
        stage_ = Stage::Data;
        return IsVersion(words[1]) || Fail("the game version is not a version number", why);
      case Stage::Data:
        if (!Expect(word, "data", arguments, 1, why)) return false;
        stage_ = Stage::Mode;
        return ParseHash(words[1], recording_.dataChecksum) || Fail("the data checksum is not 16 hex digits", why);
      case Stage::Mode:
        if (!Expect(word, "mode", arguments, 1, why)) return false;
        stage_ = Stage::Start;
        return Mode(words[1], why);
      case Stage::Start:
        if (word == "start") return Start(words, why);
        stage_ = Stage::Body;
        [[fallthrough]];
      case Stage::Body:
        return Body(words, why);
      case Stage::Score:
        if (!Expect(word, "score", arguments, 1, why)) return false;
        stage_ = Stage::State;
        return ParseNumber(words[1], recording_.finalScore) || Fail("the score is no 32-bit number", why);
      case Stage::State:
        if (!Expect(word, "state", arguments, 1, why)) return false;
        stage_ = Stage::Done;
        return ParseHash(words[1], recording_.finalHash) || Fail("the final state hash is not 16 hex digits", why);
      case Stage::Done:
        return Fail("nothing may follow the final state line", why);
    }
    return false;
  }

  // Called after the last line, the number of which is given.
  bool Finish(int lastLine, std::string& error) const {
    if (stage_ == Stage::Done) return true;
    if (stage_ == Stage::Magic) return Fail("the file is empty", error);
    return Fail(
        std::string("the recording stops after line ") + std::to_string(lastLine) + ", before its final state line",
        error);
  }

 private:
  enum class Stage : uint8_t { Magic, Game, Data, Mode, Start, Body, Score, State, Done };

  static bool Fail(const std::string& reason, std::string& why) {
    why = reason;
    return false;
  }

  static bool Expect(std::string_view word, const char* expected, size_t arguments, size_t wanted, std::string& why) {
    if (word != expected) return Fail("expected the " + std::string(expected) + " line, found " + Quoted(word), why);
    if (arguments != wanted)
      return Fail("the " + std::string(expected) + " line takes " + std::to_string(wanted) + " value", why);
    return true;
  }

  bool Magic(const std::vector<std::string_view>& words, std::string& why) {
    if (words[0] != RecordingMagic || words.size() != 2 || !ParseNumber(words[1], format_)) {
      return Fail(std::string("not a recording (the first line is not \"").append(RecordingMagic) + " VERSION\")", why);
    }
    if (format_ < OldestRecordingFormat || format_ > RecordingFormat) {
      return Fail(std::string("recording format ").append(words[1]) +
                      " is not one this version reads (it reads formats " + std::to_string(OldestRecordingFormat) +
                      " to " + std::to_string(RecordingFormat) + ")",
                  why);
    }
    stage_ = Stage::Game;
    return true;
  }

  bool Mode(std::string_view name, std::string& why) {
    for (size_t i = 0; i < std::size(ModeNames); ++i) {
      if (name == ModeNames[i]) {
        recording_.mode = static_cast<GameMode>(i);
        return true;
      }
    }
    return Fail("the mode is neither solo nor versus", why);
  }

  bool Start(const std::vector<std::string_view>& words, std::string& why) {
    if (words.size() < 2) return Fail("the start line names no value", why);
    const StateVariable* variable = FindStateVariable(words[1]);
    if (variable == nullptr || variable->role != StartRole::Carried) {
      return Fail(Quoted(words[1]) + " is no start value", why);
    }
    for (const StateValues& earlier : recording_.start) {
      if (earlier.variable == variable) return Fail(std::string(variable->name) + " is given twice", why);
    }
    if (words.size() - 2 != variable->count) {
      return Fail(std::string(variable->name) + " takes " + std::to_string(variable->count) + " values", why);
    }
    StateValues values{variable, std::vector<uint64_t>(variable->count)};
    for (size_t i = 0; i < variable->count; ++i) {
      if (!ParseStateElement(variable->kind, words[i + 2], values.elements[i]) ||
          !WithinBounds(*variable, values.elements[i])) {
        return Fail(Quoted(words[i + 2]) + " is no value of " + variable->name, why);
      }
    }
    recording_.start.push_back(std::move(values));
    return true;
  }

  bool Body(const std::vector<std::string_view>& words, std::string& why) {
    const std::string_view word = words[0];
    if (word == "input") return Input(words, why);
    if (word == "ticks") return Values(words, "tick value", recording_.ticks, why);
    if (word == "seconds") return Values(words, "calendar value", recording_.calendarSeconds, why);
    if (word == "check") return Check(words, why);
    if (word == "marks" && format_ >= 2) return Marks(words, why);
    if (word == "frames") return Frames(words, why);
    return Fail("unknown line " + Quoted(word), why);
  }

  // A frame after the previous one of the same list, and not past the limit.
  static bool NextFrame(std::string_view text, uint32_t previous, uint32_t& frame, std::string& why) {
    if (!ParseNumber(text, frame) || frame < 1 || frame > MaxRecordingFrames) {
      return Fail(Quoted(text) + " is no frame number (1 to " + std::to_string(MaxRecordingFrames) + ")", why);
    }
    if (frame <= previous) {
      return Fail(std::string("frame ").append(text) + " does not come after frame " + std::to_string(previous), why);
    }
    return true;
  }

  bool Input(const std::vector<std::string_view>& words, std::string& why) {
    if (words.size() != 8) return Fail("an input line takes a frame and six values", why);
    RecordedInput input;
    const uint32_t previous = recording_.inputs.empty() ? 0 : recording_.inputs.back().frame;
    if (!NextFrame(words[1], previous, input.frame, why)) return false;
    if (previous == 0 && input.frame != 1) return Fail("the first input line is not for frame 1", why);
    uint32_t values[6];
    constexpr uint32_t Highest[6] = {MaxDirections, MaxKeyButton, MaxDirections, UINT32_MAX, 1, 1};
    for (size_t i = 0; i < 6; ++i) {
      if (!ParseNumber(words[i + 2], values[i]) || values[i] > Highest[i]) {
        return Fail("input value " + Quoted(words[i + 2]) + " is out of range", why);
      }
    }
    InputSample& sample = input.sample;
    sample.keyDirections = static_cast<uint8_t>(values[0]);
    sample.keyButton = static_cast<uint8_t>(values[1]);
    sample.joyDirections = static_cast<uint8_t>(values[2]);
    sample.joyButtons = values[3];
    sample.joystickPresent = static_cast<int>(values[4]);
    sample.pauseRequested = values[5] == 1;
    recording_.inputs.push_back(input);
    return true;
  }

  // A whole value, then each next one as its difference from the one before.
  template <typename Value>
  static bool Values(const std::vector<std::string_view>& words, const char* what, std::vector<Value>& into,
                     std::string& why) {
    if (words.size() < 2) return Fail("a " + std::string(words[0]) + " line holds no value", why);
    using Unsigned = std::make_unsigned_t<Value>;
    Unsigned value = 0;
    for (size_t i = 1; i < words.size(); ++i) {
      Value number = 0;
      if (!ParseNumber(words[i], number)) return Fail(Quoted(words[i]) + " is no " + what, why);
      value = static_cast<Unsigned>((i == 1 ? 0 : value) + static_cast<Unsigned>(number));
      into.push_back(static_cast<Value>(value));
    }
    return true;
  }

  bool Check(const std::vector<std::string_view>& words, std::string& why) {
    if (words.size() != 3) return Fail("a check line takes a frame and a state hash", why);
    StateCheck check;
    if (!NextFrame(words[1], recording_.checks.empty() ? 0 : recording_.checks.back().frame, check.frame, why)) {
      return false;
    }
    if (!ParseHash(words[2], check.hash)) return Fail("the state hash is not 16 hex digits", why);
    const uint32_t due = (recording_.checks.empty() ? 0 : recording_.checks.back().frame) + StateCheckInterval;
    if (format_ == OldestRecordingFormat && check.frame != due) return Fail(FirstFormatChecks, why);
    recording_.checks.push_back(check);
    return true;
  }

  // The marks of the frames from the first one not yet marked on.
  bool Marks(const std::vector<std::string_view>& words, std::string& why) {
    if (words.size() != 3) return Fail("a marks line takes a frame and its marks", why);
    uint32_t frame = 0;
    if (!NextFrame(words[1], 0, frame, why)) return false;
    const size_t next = recording_.marks.size() + 1;
    if (frame != next) {
      return Fail(std::string("the marks line starts at frame ").append(words[1]) +
                      ", not at the first frame unmarked, " + std::to_string(next),
                  why);
    }
    const std::string_view marks = words[2];
    if (marks.size() > MarksPerLine) {
      return Fail("a marks line holds at most " + std::to_string(MarksPerLine) + " marks", why);
    }
    if (frame - 1 + marks.size() > MaxRecordingFrames) return Fail("the marks go past the longest game", why);
    for (char mark : marks) {
      if (!IsFrameMark(mark)) return Fail(Quoted(std::string_view(&mark, 1)) + " is no frame mark", why);
    }
    recording_.marks += marks;
    return true;
  }

  bool Frames(const std::vector<std::string_view>& words, std::string& why) {
    if (words.size() != 2) return Fail("the frames line takes 1 value", why);
    if (recording_.inputs.empty()) return Fail("no input line comes before the frames line", why);
    const uint32_t lastInput = recording_.inputs.back().frame;
    const uint32_t lastCheck = recording_.checks.empty() ? 0 : recording_.checks.back().frame;
    if (!NextFrame(words[1], 0, recording_.frames, why)) return false;
    if (recording_.frames < lastInput || recording_.frames < lastCheck || recording_.frames < recording_.marks.size()) {
      return Fail("the game is shorter than its input, check and marks lines", why);
    }
    if (format_ == OldestRecordingFormat && recording_.frames >= lastCheck + StateCheckInterval) {
      return Fail(FirstFormatChecks, why);
    }
    if (format_ >= 2 && recording_.marks.size() < recording_.frames) {
      return Fail("the marks stop at frame " + std::to_string(recording_.marks.size()) + ", before the game's last",
                  why);
    }
    stage_ = Stage::Score;
    return true;
  }

  Recording& recording_;
  Stage stage_ = Stage::Magic;
  int format_ = 0;
};

}  // namespace

std::string RecordingText(const Recording& recording) {
  // A recording without marks, as one read from a file of the first format, is written in that format.
  const int format = recording.marks.empty() ? OldestRecordingFormat : RecordingFormat;
  std::string text = std::string(RecordingMagic) + ' ' + std::to_string(format) + '\n';
  text += "game " + recording.gameVersion + '\n';
  text += "data " + Hex(recording.dataChecksum) + '\n';
  text += std::string("mode ") + ModeNames[static_cast<size_t>(recording.mode)] + '\n';
  for (const StateValues& values : recording.start) {
    text += std::string("start ") + values.variable->name;
    for (uint64_t element : values.elements) text += ' ' + StateElementText(values.variable->kind, element);
    text += '\n';
  }
  for (const RecordedInput& input : recording.inputs) {
    text += std::string("input ") + std::to_string(input.frame) + ' ' + SampleText(input.sample) + '\n';
  }
  AppendValueLines<uint32_t, uint32_t>(text, "ticks", recording.ticks);
  AppendValueLines<int64_t, int64_t>(text, "seconds", recording.calendarSeconds);
  AppendMarkAndCheckLines(text, recording);
  text += std::string("frames ") + std::to_string(recording.frames) + '\n';
  text += std::string("score ") + std::to_string(recording.finalScore) + '\n';
  text += "state " + Hex(recording.finalHash) + '\n';
  return text;
}

bool LooksLikeRecording(std::string_view text) { return text.substr(0, RecordingMagic.size()) == RecordingMagic; }

bool ParseRecording(std::string_view text, Recording& recording, std::string& error) {
  recording = Recording{};
  RecordingReader reader(recording);
  std::string why;
  int lineNumber = 0;
  size_t at = 0;
  while (at < text.size()) {
    ++lineNumber;
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    line = line.substr(0, line.find('#'));
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) continue;
    if (!reader.Line(words, why)) {
      error = std::string("line ") + std::to_string(lineNumber) + ": " + why;
      return false;
    }
  }
  return reader.Finish(lineNumber, error);
}
