#include <gtest/gtest.h>

#include <vector>

#include "tools/replay/replay_options.h"

namespace {

bool Parse(std::vector<const char*> args, ReplayOptions& options, std::string& error) {
  args.insert(args.begin(), "kerzonk-replay");
  return ParseReplayOptions(static_cast<int>(args.size()), args.data(), options, error);
}

std::string ErrorOf(std::vector<const char*> args) {
  ReplayOptions options;
  std::string error;
  EXPECT_FALSE(Parse(std::move(args), options, error));
  return error;
}

TEST(ReplayOptions, EveryOptionIsRead) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--data", "game", "--frames", "300", "--time", "1700000000", "--input", "solo.txt",
                     "--shot", "10:a.png", "--shot", "300:b.png", "--state", "20:s.json", "--states",
                     "all.jsonl", "--log", "events.log", "--record", "game.kzr"},
                    options, error))
      << error;
  EXPECT_EQ(options.dataDir, "game");
  EXPECT_EQ(options.frames, 300u);
  EXPECT_EQ(options.time, 1700000000);
  EXPECT_EQ(options.inputPath, "solo.txt");
  ASSERT_EQ(options.shots.size(), 2u);
  EXPECT_EQ(options.shots[1].frame, 300u);
  EXPECT_EQ(options.shots[1].path, "b.png");
  ASSERT_EQ(options.states.size(), 1u);
  EXPECT_EQ(options.states[0].frame, 20u);
  EXPECT_EQ(options.statesPath, "all.jsonl");
  EXPECT_EQ(options.logPath, "events.log");
  EXPECT_EQ(options.recordPath, "game.kzr");
}

TEST(ReplayOptions, DefaultsAreTheCurrentFolderAndTimeZero) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--frames", "1"}, options, error)) << error;
  EXPECT_EQ(options.dataDir, ".");
  EXPECT_EQ(options.time, 0);
  EXPECT_TRUE(options.inputPath.empty());
  EXPECT_TRUE(options.logPath.empty());
}

TEST(ReplayOptions, FaultsAreReported) {
  EXPECT_EQ(ErrorOf({"--frames", "0"}), "bad value \"0\" for --frames");
  EXPECT_EQ(ErrorOf({"--frames", "12x"}), "bad value \"12x\" for --frames");
  EXPECT_EQ(ErrorOf({"--frames", "5", "--time"}), "--time needs a value");
  EXPECT_EQ(ErrorOf({"--frames", "5", "--speed", "2"}), "unknown option \"--speed\"");
  EXPECT_EQ(ErrorOf({"--frames", "5", "--shot", "a.png"}), "bad value \"a.png\" for --shot");
  EXPECT_EQ(ErrorOf({"--frames", "5", "--state", "3:"}), "bad value \"3:\" for --state");
}

// A script needs --frames; a recording brings its own and its clocks, so it
// takes neither --frames nor --time; no file may come after the last frame.
TEST(ReplayOptions, TheFramesAreSettledByTheInput) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--shot", "600:late.png"}, options, error));
  EXPECT_FALSE(SettleFrames(options, 0, error));
  EXPECT_EQ(error, "--frames is required");
  EXPECT_TRUE(SettleFrames(options, 700, error)) << error;
  EXPECT_EQ(options.frames, 700u);
  ASSERT_TRUE(Parse({"--time", "5"}, options, error));
  EXPECT_FALSE(SettleFrames(options, 700, error));
  EXPECT_EQ(error, "--time cannot be given with a recording, which holds its own frames and clocks");
  ASSERT_TRUE(Parse({"--frames", "5", "--shot", "6:late.png"}, options, error));
  EXPECT_FALSE(SettleFrames(options, 0, error));
  EXPECT_EQ(error, "frame 6 of late.png is past the last frame");
}

TEST(ReplayOptions, FramesAndCalendarStayWithinTheirBounds) {
  ReplayOptions options;
  std::string error;
  EXPECT_TRUE(Parse({"--frames", "100000000"}, options, error)) << error;
  EXPECT_EQ(ErrorOf({"--frames", "100000001"}), "--frames is at most 100000000");
  EXPECT_EQ(ErrorOf({"--frames", "4294967295"}), "--frames is at most 100000000");
  // 1000 frames end at tick 15984: the calendar moves on by 15 seconds.
  EXPECT_TRUE(Parse({"--frames", "1000", "--time", "9223372036854775792"}, options, error)) << error;
  EXPECT_EQ(ErrorOf({"--frames", "1000", "--time", "9223372036854775793"}),
            "--time 9223372036854775793 runs past the calendar's end");
  EXPECT_TRUE(Parse({"--frames", "1000", "--time", "-9223372036854775808"}, options, error)) << error;
  EXPECT_EQ(ErrorOf({"--frames", "1", "--time", "9223372036854775808"}),
            "bad value \"9223372036854775808\" for --time");
}

}  // namespace
