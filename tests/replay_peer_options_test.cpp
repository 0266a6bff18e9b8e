// The replay runner's options for a network session.
#include <gtest/gtest.h>

#include <vector>

#include "tools/replay/replay_options.h"
#include "tools/replay/run_input.h"

namespace {

// Parses and settles; the error, empty when the options hold.
std::string Settled(std::vector<const char*> args, ReplayOptions& options) {
  args.insert(args.begin(), "kerzonk-replay");
  std::string error;
  if (ParseReplayOptions(static_cast<int>(args.size()), args.data(), options, error)) SettleFrames(options, 0, error);
  return error;
}

TEST(ReplayPeerOptions, HostJoinAndDelayAreReadAndChecked) {
  ReplayOptions options;
  EXPECT_EQ(Settled({"--frames", "9", "--host", "7000", "--time", "5", "--delay", "10"}, options), "");
  EXPECT_EQ(options.peer, PeerRole::Host);
  EXPECT_EQ(options.port, 7000);
  EXPECT_EQ(options.inputDelay, 10);
  EXPECT_EQ(Settled({"--frames", "9", "--join", "localhost"}, options), "");
  EXPECT_EQ(options.peer, PeerRole::Joiner);
  EXPECT_EQ(options.peerHost, "localhost");
  EXPECT_EQ(options.port, 7641);
  EXPECT_EQ(options.inputDelay, 3);
  EXPECT_EQ(Settled({"--frames", "9", "--join", "10.0.0.2:9000"}, options), "");
  EXPECT_EQ(options.port, 9000);

  EXPECT_EQ(Settled({"--frames", "9", "--host", "0"}, options), "bad value \"0\" for --host");
  EXPECT_EQ(Settled({"--frames", "9", "--join", ":80"}, options), "bad value \":80\" for --join");
  EXPECT_EQ(Settled({"--frames", "9", "--host", "1", "--delay", "11"}, options), "bad value \"11\" for --delay");
  EXPECT_EQ(Settled({"--frames", "9", "--delay", "2"}, options), "--delay needs --host or --join");
  EXPECT_EQ(Settled({"--frames", "9", "--join", "a", "--time", "1"}, options),
            "--time cannot be given with --join: the host's time counts");
  const char* hosting[] = {"kerzonk-replay", "--host", "7000"};
  std::string error;
  ASSERT_TRUE(ParseReplayOptions(3, hosting, options, error));
  EXPECT_FALSE(SettleFrames(options, 500, error));
  EXPECT_EQ(error, "a recording cannot be played in a network session");

  RunInput input;
  ASSERT_TRUE(ParseInputScript("1 left z\n", input.script, error));
  EXPECT_TRUE(FitsTheSession(true, input, error));
  ASSERT_TRUE(ParseInputScript("1 left j:1\n", input.script, error));
  EXPECT_TRUE(FitsTheSession(false, input, error));
  EXPECT_FALSE(FitsTheSession(true, input, error));
  EXPECT_EQ(error, "a network side's script names keys only, not the joystick (j: words)");
}

}  // namespace
