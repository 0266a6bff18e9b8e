#include "launch/options.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <ostream>
#include <system_error>

#include "net/address.h"
#include "net/defaults.h"
#include "settings/settings.h"

namespace launch {

namespace {

constexpr const char* Description = "Kerzonk: a falling-block puzzle game for one player, or two side by side.";
constexpr const char* Footer =
    "Without --data the game reads its pictures, effects and music from the current folder or\n"
    "the program's own folder when either holds them, else from the installed data folder.\n"
    "The best score is kept beside the data, or for an installed game in\n"
    "$XDG_DATA_HOME/kerzonk/scor (by default ~/.local/share/kerzonk/scor), and every game is\n"
    "recorded in the replays folder beside it (the last 20 games and the best one).\n"
    "The player's keys, screen, sound and network settings are read from ";

// The settings file's own path, or where it would be.
std::string FooterText() {
  const std::string path = SettingsFilePath();
  return std::string(Footer) + (path.empty() ? "$XDG_CONFIG_HOME/kerzonk/kerzonk.ini" : path) +
         ",\nwritten with every entry commented out at the first start.";
}

std::string CheckHostPort(const std::string& text) {
  uint16_t port = 0;
  return net::ParsePort(text, port) ? std::string() : "\"" + text + "\" is not a port (1 to 65535)";
}

std::string CheckPeerAddress(const std::string& text) {
  net::PeerAddress address;
  std::string why;
  return net::ParsePeerAddress(text, address, why) ? std::string() : why;
}

// The text values of the network options, turned into LaunchOptions after parsing.
struct NetworkTexts {
  std::string hostPort;
  std::string peer;
};

// Every option of the game, in the order --help lists them.
void DeclareOptions(CLI::App& app, LaunchOptions& options, NetworkTexts& network) {
  app.set_version_flag("--version", KERZONK_VERSION, "Print the game's version and exit");
  app.add_flag("--window")->description("Start in a window instead of full screen")->disable_flag_override();
  app.add_flag("--fullscreen")->description("Start full screen (the default)")->disable_flag_override();
  CLI::Validator existingFolder = CLI::ExistingDirectory;
  app.add_option("--data", options.dataFolder, "Read the game's pictures, effects, music and best score from DIR")
      ->check(existingFolder.description(""))
      ->type_name("DIR");
  CLI::Option* watch = app.add_option("--watch", options.watchFile,
                 "Play the recorded game in FILE in the window (hold Tab for four times the speed, Escape ends it)")
      ->type_name("FILE");
  CLI::Option* host =
      app.add_option("--host", network.hostPort,
                     "Wait for another player to --join a network game, on UDP PORT (default " +
                         std::to_string(net::DefaultPort) + ", or the settings file's)")
          ->expected(0, 1)
          ->type_name("[PORT]")
          ->check(CLI::Validator(CheckHostPort, ""));
  CLI::Option* join = app.add_option("--join", network.peer, "Join the network game another player --hosts on HOST")
                          ->type_name("HOST[:PORT]")
                          ->check(CLI::Validator(CheckPeerAddress, ""));
  host->excludes(join);
  watch->excludes(host);
  watch->excludes(join);
  app.add_option("--delay", options.inputDelay,
                 "Frames between a key and its effect in a network game, " + std::to_string(net::MinInputDelay) +
                     " to " + std::to_string(net::MaxInputDelay) + " (default " +
                     std::to_string(net::DefaultInputDelay) + ")")
      ->type_name("N")
      ->check(CLI::Range(net::MinInputDelay, net::MaxInputDelay).description(""));
}

// The network options' values, checked by their validators during parsing.
void TakeNetworkChoice(const CLI::App& app, const NetworkTexts& texts, LaunchOptions& options) {
  if (app.count("--host") > 0) {
    options.network = NetworkRole::Host;
    uint16_t port = 0;
    if (net::ParsePort(texts.hostPort, port)) options.port = port;
  } else if (app.count("--join") > 0) {
    options.network = NetworkRole::Join;
    net::PeerAddress address;
    std::string why;
    net::ParsePeerAddress(texts.peer, address, why);
    options.peerHost = address.host;
    options.port = address.port;
  }
}

// Of --window and --fullscreen the last one given counts.
void TakeWindowChoice(const CLI::App& app, LaunchOptions& options) {
  for (const CLI::Option* option : app.parse_order()) {
    if (option->check_lname("window")) options.startInWindow = true;
    if (option->check_lname("fullscreen")) options.startInWindow = false;
  }
}

}  // namespace

std::optional<int> ParseCommandLine(int argc, const char* const* argv, LaunchOptions& options, std::ostream& out,
                                    std::ostream& err) {
  CLI::App app(Description, "kerzonk");
  app.footer(FooterText());
  NetworkTexts network;
  DeclareOptions(app, options, network);
  try {
    app.parse(argc, argv);
    if (app.count("--delay") > 0 && app.count("--host") == 0 && app.count("--join") == 0) {
      throw CLI::ValidationError("--delay", "only a network game (--host or --join) has an input delay");
    }
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForVersion&) {
    out << "kerzonk " << KERZONK_VERSION << '\n';
    return 0;
  } catch (const CLI::ParseError& error) {
    err << "kerzonk: " << error.what() << "\n\n" << app.help();
    return ExitUsage;
  }
  TakeWindowChoice(app, options);
  TakeNetworkChoice(app, network, options);
  // The game runs in its data folder; the recording stays where it was named.
  std::error_code error;
  if (!options.watchFile.empty()) options.watchFile = std::filesystem::absolute(options.watchFile, error).string();
  return std::nullopt;
}

}  // namespace launch
