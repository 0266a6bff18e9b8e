// The recording file: written and read back unchanged, and every fault in a
// file named with its line.
#include "recording/recording_text.h"

#include <gtest/gtest.h>

#include "recording/frame_marks.h"

namespace {

Recording Example() {
  Recording recording;
  recording.gameVersion = "1.0.0";
  recording.dataChecksum = 0x0123456789abcdefull;
  recording.mode = GameMode::Versus;
  recording.start = {{FindStateVariable("nextTop"), {44, 8}},
                     {FindStateVariable("flashDelay"), {0x3e4ccccd, 0}},
                     {FindStateVariable("bestScore"), {static_cast<uint64_t>(int64_t{-1})}}};
  InputSample left, pause;
  left.keyDirections = DirLeft;
  left.joyButtons = 0xffffffffu;
  left.joystickPresent = 1;
  pause.pauseRequested = true;
  recording.inputs = {{1, left}, {7, pause}, {8, InputSample{}}};
  // Across the wrap of the tick and a calendar that steps back.
  for (uint32_t i = 0; i < 100; ++i) recording.ticks.push_back(0xfffffc00u + 16 * i);
  recording.calendarSeconds = {1700000000, 1700000000, 1699999990, INT64_MIN, INT64_MAX};
  recording.checks = {{60, 1}, {120, 0xfedcba9876543210ull}};
  recording.frames = 130;
  recording.finalScore = -7;
  recording.finalHash = 0xffffffffffffffffull;
  return recording;
}

std::string ErrorOf(const std::string& text) {
  Recording recording;
  std::string error;
  EXPECT_FALSE(ParseRecording(text, recording, error));
  return error;
}

TEST(RecordingText, ReadsBackWhatItWrote) {
  const Recording written = Example();
  const std::string text = RecordingText(written);
  EXPECT_TRUE(LooksLikeRecording(text));
  Recording read;
  std::string error;
  ASSERT_TRUE(ParseRecording(text, read, error)) << error;
  EXPECT_EQ(RecordingText(read), text);
  EXPECT_EQ(read.ticks, written.ticks);
  EXPECT_EQ(read.calendarSeconds, written.calendarSeconds);
  EXPECT_EQ(read.inputs, written.inputs);
  EXPECT_EQ(read.checks, written.checks);
  ASSERT_EQ(read.start.size(), 3u);
  EXPECT_EQ(read.start[1].elements, written.start[1].elements);
  EXPECT_NE(text.find("start flashDelay 0.2 0\n"), std::string::npos) << text;
  // Comments, blank lines and Windows line ends are let through.
  std::string edited = "kerzonk-recording 1  # the format\r\n\n# edited by hand\r\n";
  for (size_t at = text.find('\n') + 1; at < text.size(); at = text.find('\n', at) + 1) {
    edited += text.substr(at, text.find('\n', at) - at) + "\r\n";
  }
  ASSERT_TRUE(ParseRecording(edited, read, error)) << error;
  EXPECT_EQ(RecordingText(read), text);
}

// The text with the first "from" in it made "to".
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(RecordingText, FaultsAreNamedWithTheirLine) {
  const std::string text = RecordingText(Example());
  EXPECT_EQ(ErrorOf(""), "the file is empty");
  EXPECT_EQ(ErrorOf("1 z\n"), "line 1: not a recording (the first line is not \"kerzonk-recording VERSION\")");
  EXPECT_EQ(ErrorOf(Replaced(text, "kerzonk-recording 1", "kerzonk-recording 3")),
            "line 1: recording format 3 is not one this version reads (it reads formats 1 to 2)");
  EXPECT_EQ(ErrorOf(Replaced(text, "game 1.0.0\n", "")), "line 2: expected the game line, found \"data\"");
  EXPECT_EQ(ErrorOf(Replaced(text, "game 1.0.0", "game 1.0\x1b[2J")), "line 2: the game version is not a version number");
  EXPECT_EQ(ErrorOf(Replaced(text, "data 0123456789abcdef", "data 12g")), "line 3: the data checksum is not 16 hex digits");
  EXPECT_EQ(ErrorOf(Replaced(text, "mode versus", "mode trio")), "line 4: the mode is neither solo nor versus");
  EXPECT_EQ(ErrorOf(Replaced(text, "nextTop 44 8", "nextTop 44 61")), "line 5: \"61\" is no value of nextTop");
  EXPECT_EQ(ErrorOf(Replaced(text, "nextTop 44 8", "nextTop 44")), "line 5: nextTop takes 2 values");
  EXPECT_EQ(ErrorOf(Replaced(text, "nextTop", "keyButton")), "line 5: \"keyButton\" is no start value");
  EXPECT_EQ(ErrorOf(Replaced(text, "nextTop 44 8", "score 10")), "line 5: \"score\" is no start value");
  EXPECT_EQ(ErrorOf(Replaced(text, "flashDelay 0.2", "flashDelay nan")), "line 6: \"nan\" is no value of flashDelay");
  EXPECT_EQ(ErrorOf(Replaced(text, "input 1 ", "input 2 ")), "line 8: the first input line is not for frame 1");
  EXPECT_EQ(ErrorOf(Replaced(text, "input 7 ", "input 1 ")), "line 9: frame 1 does not come after frame 1");
  EXPECT_EQ(ErrorOf(Replaced(text, "input 8 0 0", "input 8 0 3")), "line 10: input value \"3\" is out of range");
  EXPECT_EQ(ErrorOf(Replaced(text, "ticks 4294966272", "ticks -1")), "line 11: \"-1\" is no tick value");
  EXPECT_EQ(ErrorOf(Replaced(text, "check 120", "check 60")), "line 16: frame 60 does not come after frame 60");
  EXPECT_EQ(ErrorOf(Replaced(text, "frames 130", "frames 100")),
            "line 17: the game is shorter than its input, check and marks lines");
  // Without marks a short file cannot claim a long game.
  EXPECT_EQ(ErrorOf(Replaced(text, "frames 130", "frames 180")),
            "line 17: a recording without marks has a check line every 60 frames up to its end");
  EXPECT_EQ(ErrorOf(Replaced(text, "check 120", "check 180")),
            "line 16: a recording without marks has a check line every 60 frames up to its end");
  EXPECT_EQ(ErrorOf(Replaced(text, "score -7", "score 2147483648")), "line 18: the score is no 32-bit number");
  EXPECT_EQ(ErrorOf(text + "frames 1\n"), "line 20: nothing may follow the final state line");
  EXPECT_EQ(ErrorOf(text.substr(0, text.find("frames"))),
            "the recording stops after line 16, before its final state line");
  EXPECT_EQ(ErrorOf(Replaced(text, "check 60", "tick 60")), "line 15: unknown line \"tick\"");
}

// Marks run from frame 1 to the last, a line of 60 ahead of the check at its
// last frame; a file of the first format has none and a recording without
// marks is written in it.
TEST(RecordingText, MarksCoverEveryFrameInOrder) {
  Recording written = Example();
  for (uint32_t frame = 1; frame <= 130; ++frame) written.marks += MarkAlphabet[frame % MarkAlphabet.size()];
  const std::string text = RecordingText(written);
  EXPECT_EQ(text.substr(0, 20), "kerzonk-recording 2\n");
  EXPECT_NE(text.find("\ncheck 120 fedcba9876543210\nmarks 121 vwxyz-_012\nframes 130\n"), std::string::npos)
      << text;
  Recording read;
  std::string error;
  ASSERT_TRUE(ParseRecording(text, read, error)) << error;
  EXPECT_EQ(read.marks, written.marks);

  EXPECT_EQ(ErrorOf(Replaced(text, "marks 61", "marks 62")),
            "line 17: the marks line starts at frame 62, not at the first frame unmarked, 61");
  EXPECT_EQ(ErrorOf(Replaced(text, "vwxyz", "vw#yz")), "line 20: the marks stop at frame 122, before the game's last");
  EXPECT_EQ(ErrorOf(Replaced(text, "vwxyz", "vw*yz")), "line 19: \"*\" is no frame mark");
  EXPECT_EQ(ErrorOf(Replaced(text, "marks 1 1", "marks 1 01")), "line 15: a marks line holds at most 60 marks");
  EXPECT_EQ(ErrorOf(Replaced(text, "kerzonk-recording 2", "kerzonk-recording 1")), "line 15: unknown line \"marks\"");
}

}  // namespace
