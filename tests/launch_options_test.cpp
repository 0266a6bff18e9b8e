// The game's command line: what each option sets, what --help and --version
// print, and the usage exit for everything else.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "launch/options.h"

namespace {

struct Outcome {
  std::optional<int> exitCode;
  launch::LaunchOptions options;
  std::string out, err;
};

Outcome Parse(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "kerzonk");
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  Outcome outcome;
  std::ostringstream out, err;
  outcome.exitCode = launch::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), outcome.options, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

TEST(LaunchOptions, NoArgumentsStartTheGameWithNothingChosen) {
  const Outcome outcome = Parse({});
  EXPECT_FALSE(outcome.exitCode.has_value());
  EXPECT_FALSE(outcome.options.startInWindow.has_value());
  EXPECT_EQ(outcome.options.dataFolder, "");
  EXPECT_EQ(outcome.out + outcome.err, "");
}

TEST(LaunchOptions, WindowAndFullScreenTheLastOneCountsAndDataTakesAFolder) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(Parse({"--window"}).options.startInWindow, true);
  EXPECT_EQ(Parse({"--fullscreen"}).options.startInWindow, false);
  EXPECT_EQ(Parse({"--fullscreen", "--window"}).options.startInWindow, true);
  EXPECT_EQ(Parse({"--window", "--fullscreen"}).options.startInWindow, false);
  for (const auto& arguments : {std::vector<std::string>{"--data", folder}, {"--data=" + folder}}) {
    const Outcome outcome = Parse(arguments);
    EXPECT_FALSE(outcome.exitCode.has_value()) << outcome.err;
    EXPECT_EQ(outcome.options.dataFolder, folder);
  }
  // The recording is named from where the game was started, before it enters its data folder.
  EXPECT_EQ(Parse({"--watch", "games/a.kzr"}).options.watchFile, (std::filesystem::current_path() / "games/a.kzr").string());
}

TEST(LaunchOptions, HostJoinAndDelayChooseANetworkGame) {
  EXPECT_EQ(Parse({}).options.network, launch::NetworkRole::None);
  const Outcome host = Parse({"--host", "--window"});
  EXPECT_FALSE(host.exitCode.has_value()) << host.err;
  EXPECT_EQ(host.options.network, launch::NetworkRole::Host);
  EXPECT_FALSE(host.options.port.has_value());
  EXPECT_EQ(host.options.startInWindow, true);
  EXPECT_EQ(Parse({"--host", "9000"}).options.port, 9000);

  const Outcome join = Parse({"--join", "example.org", "--delay", "10"});
  EXPECT_FALSE(join.exitCode.has_value()) << join.err;
  EXPECT_EQ(join.options.network, launch::NetworkRole::Join);
  EXPECT_EQ(join.options.peerHost, "example.org");
  EXPECT_FALSE(join.options.port.has_value());
  EXPECT_EQ(join.options.inputDelay, 10);
  const Outcome joinPort = Parse({"--join=192.168.1.20:7000"});
  EXPECT_EQ(joinPort.options.peerHost, "192.168.1.20");
  EXPECT_EQ(joinPort.options.port, 7000);
}

TEST(LaunchOptions, VersionIsOneLineAndHelpNamesEveryOption) {
  const Outcome version = Parse({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("kerzonk ") + KERZONK_VERSION + "\n");
  const Outcome help = Parse({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.err, "");
  for (const char* word : {"Usage: kerzonk", "--version", "--window", "--fullscreen", "--data DIR", "--watch FILE", "scor",
                           "replays", "--host [PORT]", "--join HOST[:PORT]", "--delay N", "7641"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
}

TEST(LaunchOptions, BadCommandLinesGiveTheReasonAndTheUsageOnTheErrorStream) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"}, {"--data"}, {"--data", "/no/such/folder"}, {"extra"}, {"--window=yes"}, {"-x"},
      {"--host", "65536"}, {"--host", "x"}, {"--host", "--join", "a"}, {"--join"}, {"--join", ":7641"},
      {"--join", "a:0"}, {"--join", "a:"}, {"--host", "0"}, {"--delay", "3"}, {"--host", "--delay", "0"}, {"--join", "a", "--delay", "11"}};
  for (const auto& arguments : bad) {
    const Outcome outcome = Parse(arguments);
    EXPECT_EQ(outcome.exitCode, launch::ExitUsage) << arguments[0];
    EXPECT_EQ(outcome.out, "") << arguments[0];
    EXPECT_EQ(outcome.err.rfind("kerzonk: ", 0), 0u) << outcome.err;
    EXPECT_NE(outcome.err.find("Usage: kerzonk"), std::string::npos) << outcome.err;
  }
}

}  // namespace
