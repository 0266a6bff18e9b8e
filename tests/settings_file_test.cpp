// The settings file: defaults written once, every entry read, each kind of
// bad line reported with its line and passed over, mute switches written back
// without disturbing the player's own lines.
#include <gtest/gtest.h>

#include <sstream>

#include "key_codes.h"
#include "odd_files.h"
#include "scratch_folder.h"
#include "settings/settings.h"
#include "settings/settings_text.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

Settings Parsed(const std::string& text, std::vector<std::string>& problems) {
  return ParseSettings(text, "k.ini", problems);
}

void ExpectDefaults(const Settings& s) {
  const Settings defaults;
  EXPECT_TRUE(s.screen.fullScreen);
  EXPECT_EQ(s.screen.scaling, platform::Scaling::Integer);
  EXPECT_EQ(s.musicVolume, 100);
  EXPECT_EQ(s.effectsVolume, 100);
  EXPECT_FALSE(s.musicMuted);
  EXPECT_FALSE(s.effectsMuted);
  EXPECT_EQ(s.networkPort, 7641);
  EXPECT_EQ(s.inputDelay, 3);
  for (int player = 0; player < 2; ++player) {
    EXPECT_EQ(s.keys.players[player].action, defaults.keys.players[player].action) << player;
  }
}

TEST(SettingsText, DefaultFileHoldsEveryEntryCommentedOut) {
  const std::string text = DefaultSettingsText();
  std::vector<std::string> problems;
  ExpectDefaults(Parsed(text, problems));
  EXPECT_TRUE(problems.empty());
  for (const char* line : {"# full_screen = yes", "# scaling = integer", "# music_volume = 100",
                           "# effects_muted = no", "# mute_music_key = M", "# left = Left", "# pause = P, Pause",
                           "# left = A", "# step_forward = E", "# pause =\n", "# port = 7641",
                           "# input_delay = 3"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  // Taking every # off an entry gives the same settings.
  std::string uncommented;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const bool entry = line.find(" = ") != std::string::npos || (!line.empty() && line.back() == '=');
    uncommented += (entry ? line.substr(2) : line) + "\n";
  }
  ExpectDefaults(Parsed(uncommented, problems));
  EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(SettingsText, EveryEntryIsRead) {
  std::vector<std::string> problems;
  const Settings s = Parsed(
      "[display]\nfull_screen = no\nscaling = Fit\n"
      "[sound]\nmusic_volume = 0\neffects_volume = 35 ; quieter\nmusic_muted = yes\neffects_muted = on\n"
      "mute_music_key = F9\nmute_effects_key = F10, F11\n"
      "[player1]\nleft = J\nright = L\ndown = K\nup = I\nstep_back = Space\nstep_forward = Right Shift\npause =\n"
      "[player2]\n  left = Keypad 4\nstep_back = \n"
      "[network]\nport = 65535\ninput_delay = 10\n",
      problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_FALSE(s.screen.fullScreen);
  EXPECT_EQ(s.screen.scaling, platform::Scaling::Fit);
  EXPECT_EQ(s.musicVolume, 0);
  EXPECT_EQ(s.effectsVolume, 35);
  EXPECT_TRUE(s.musicMuted);
  EXPECT_TRUE(s.effectsMuted);
  EXPECT_EQ(s.keys.muteMusic, KeyList{KeyNamed("F9")});
  EXPECT_EQ(s.keys.muteEffects, (KeyList{KeyNamed("F10"), KeyNamed("F11")}));
  const PlayerKeys& one = s.keys.players[0];
  EXPECT_EQ(one.action[ActionStepForward], KeyList{KeyNamed("Right Shift")});
  EXPECT_TRUE(one.action[ActionPause].empty());
  const PlayerKeys& two = s.keys.players[1];
  EXPECT_EQ(two.action[ActionLeft], KeyList{KeyNamed("Keypad 4")});
  EXPECT_EQ(two.action[ActionRight], KeyList{KeyNamed("D")}) << "entries not given keep their default";
  EXPECT_EQ(s.networkPort, 65535);
  EXPECT_EQ(s.inputDelay, 10);
}

TEST(SettingsText, TheLongestLineIsTheSameWithEitherLineEnding) {
  std::vector<std::string> problems;
  const std::string longest = "# " + std::string(195, 'x');
  Parsed(longest + "\r\n" + longest + "\n" + longest + "x\n" + longest + "x\r\n", problems);
  EXPECT_EQ(problems, (std::vector<std::string>{"k.ini:3: the line is longer than 197 characters",
                                                "k.ini:4: the line is longer than 197 characters"}));
}

TEST(SettingsText, EachBadLineIsReportedOnceAndItsEntryKeepsItsDefault) {
  std::vector<std::string> problems;
  const Settings s = Parsed(
      "volume = 3\n"                // 1: before any section
      "[display]\n"
      "full_screen = maybe\n"       // 3
      "scaling = stretch\n"         // 4
      "[sound]\n"
      "music_volume = 101\n"        // 6
      "effects_volume = -1\n"       // 7
      "music_muted = 2\n"           // 8
      "loudness = 3\n"              // 9
      "[player1]\n"
      "left = Lft\n"                // 11
      "right = Right,\n"            // 12
      "this line has no equals\n"   // 13
      "[player3\n"                  // 14
      "[extra]\n"                   // 15
      "left = A\n"                  // 16: in an unknown section, passed over silently
      "[player2]\n"
      "left = " + std::string(300, 'x') + "\n"  // 18
      "up = I\n"
      "[network]\n"
      "port = 0\n"                  // 21
      "input_delay = 11\n",         // 22
      problems);
  const std::vector<std::string> expected = {
      "k.ini:1: \"volume\" stands before any [section]",
      "k.ini:3: full_screen is yes or no, not \"maybe\"; the entry keeps its default",
      "k.ini:4: scaling is integer or fit, not \"stretch\"; the entry keeps its default",
      "k.ini:6: music_volume is a whole number from 0 to 100, not \"101\"; the entry keeps its default",
      "k.ini:7: effects_volume is a whole number from 0 to 100, not \"-1\"; the entry keeps its default",
      "k.ini:8: music_muted is yes or no, not \"2\"; the entry keeps its default",
      "k.ini:9: unknown entry \"loudness\" in [sound]",
      "k.ini:11: unknown key name \"Lft\" for left; the entry keeps its default",
      "k.ini:12: unknown key name \"\" for right; the entry keeps its default",
      "k.ini:13: not a setting: expected \"name = value\", \"[section]\" or a comment",
      "k.ini:14: not a setting: expected \"name = value\", \"[section]\" or a comment",
      "k.ini:15: unknown section [extra]; its entries are passed over",
      "k.ini:18: the line is longer than 197 characters",
      "k.ini:21: port is a whole number from 1 to 65535, not \"0\"; the entry keeps its default",
      "k.ini:22: input_delay is a whole number from 1 to 10, not \"11\"; the entry keeps its default",
  };
  EXPECT_EQ(problems, expected);
  EXPECT_TRUE(s.screen.fullScreen);
  EXPECT_EQ(s.musicVolume, 100);
  EXPECT_EQ(s.effectsVolume, 100);
  EXPECT_EQ(s.keys.players[0].action, Settings{}.keys.players[0].action);
  EXPECT_EQ(s.keys.players[1].action[ActionLeft], KeyList{KeyNamed("A")});
  EXPECT_EQ(s.keys.players[1].action[ActionUp], KeyList{KeyNamed("I")}) << "the lines after a bad one are read";
  EXPECT_EQ(s.networkPort, 7641);
  EXPECT_EQ(s.inputDelay, 3);
}

TEST(SettingsText, SetEntryChangesOneLineAndKeepsTheRest) {
  const std::string mine = "; my keys\r\n[sound]\r\nmusic_volume = 40  ; late at night\r\n# music_muted = no\r\n";
  EXPECT_EQ(SetEntry(mine, "sound", "music_muted", "yes"),
            "; my keys\r\n[sound]\r\nmusic_volume = 40  ; late at night\r\nmusic_muted = yes\r\n");
  EXPECT_EQ(SetEntry("[sound]\nmusic_muted = no\nmusic_muted=yes\n\n[player1]\n", "sound", "effects_muted", "no"),
            "[sound]\nmusic_muted = no\nmusic_muted=yes\neffects_muted = no\n\n[player1]\n");
  EXPECT_EQ(SetEntry("[player1]\nmusic_muted = no", "sound", "music_muted", "yes"),
            "[player1]\nmusic_muted = no\n\n[sound]\nmusic_muted = yes\n")
      << "only the named section is looked at";
}

class SettingsFile : public testing::Test {
 protected:
  void TearDown() override { ResetVolumeState(); }
  fixture::ScratchFolder scratch{"settings"};
  const fs::path path = scratch.Path() / "config" / "kerzonk" / "kerzonk.ini";
};

TEST_F(SettingsFile, MissingFileGivesDefaultsAndIsWrittenOnce) {
  std::ostringstream problems;
  ExpectDefaults(LoadSettings(path.string(), problems));
  EXPECT_EQ(problems.str(), "");
  EXPECT_EQ(e2e::ReadFile(path), DefaultSettingsText());
  EXPECT_EQ(fs::status(path.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);

  e2e::WriteFile(path, "[sound]\nmusic_volume = 7\n");
  EXPECT_EQ(LoadSettings(path.string(), problems).musicVolume, 7);
  EXPECT_EQ(e2e::ReadFile(path), "[sound]\nmusic_volume = 7\n") << "an existing file is left alone";
}

TEST_F(SettingsFile, FileThatCannotBeReadGivesDefaultsAndOneLine) {
  fs::create_directories(path);
  std::ostringstream problems;
  ExpectDefaults(LoadSettings(path.string(), problems));
  EXPECT_EQ(problems.str(),
            path.string() + ": cannot be read (it is a folder); the game runs with the default settings\n");
  EXPECT_FALSE(StoreMuteStates(path.string()));

  // Neither waits for a writer nor reads without end.
  fs::remove(path);
  ASSERT_TRUE(fixture::MakeFifo(path));
  std::ostringstream fifoProblems;
  ExpectDefaults(LoadSettings(path.string(), fifoProblems));
  EXPECT_NE(fifoProblems.str().find("(it is not a regular file)"), std::string::npos) << fifoProblems.str();
  EXPECT_FALSE(StoreMuteStates(path.string()));
  fs::remove(path);
  fixture::LinkToDevZero(path);
  std::ostringstream deviceProblems;
  ExpectDefaults(LoadSettings(path.string(), deviceProblems));
  EXPECT_NE(deviceProblems.str().find("(it is not a regular file)"), std::string::npos) << deviceProblems.str();
}

TEST_F(SettingsFile, MuteKeysWriteOnlyTheirOwnLines) {
  std::ostringstream problems;
  LoadSettings(path.string(), problems);  // writes the commented file
  std::string expected = DefaultSettingsText();
  RememberMuteStatesIn(path.string());
  ToggleMusicMute();
  const std::string musicLine = "# music_muted = no\n";
  expected.replace(expected.find(musicLine), musicLine.size(), "music_muted = yes\n");
  EXPECT_EQ(e2e::ReadFile(path), expected);

  ToggleEffectsMute();
  ToggleMusicMute();
  expected.replace(expected.find("music_muted = yes\n"), 18, "music_muted = no\n");
  const std::string effectsLine = "# effects_muted = no\n";
  expected.replace(expected.find(effectsLine), effectsLine.size(), "effects_muted = yes\n");
  EXPECT_EQ(e2e::ReadFile(path), expected);
  const Settings stored = LoadSettings(path.string(), problems);
  EXPECT_FALSE(stored.musicMuted);
  EXPECT_TRUE(stored.effectsMuted);
  EXPECT_EQ(problems.str(), "");
  EXPECT_FALSE(fs::exists(path.string() + ".tmp"));
}

}  // namespace
