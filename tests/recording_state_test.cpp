// The game state by name: every value counts in the hash, a recorded start
// brings the state back, values read back as written, and the data
// checksum sees every data file.
#include <gtest/gtest.h>

#include <limits>
#include <regex>

#include "headless_game.h"
#include "input/input.h"
#include "recording/data_checksum.h"
#include "recording/state_hash.h"
#include "recording/state_variables.h"
#include "rules/state.h"
#include "scratch_folder.h"
#include "screens/screens.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"
#include "tools/replay/state_json.h"

namespace {

class GameState : public HeadlessGame {};

TEST_F(GameState, EveryElementOfEveryValueCountsInTheHash) {
  const uint64_t start = GameStateHash();
  for (const StateVariable& variable : StateVariables()) {
    for (size_t i = 0; i < variable.count; ++i) {
      const uint64_t old = ReadStateElement(variable, i);
      WriteStateElement(variable, i, old ^ 1);
      ASSERT_NE(GameStateHash(), start) << variable.name << "[" << i << "]";
      WriteStateElement(variable, i, old);
    }
  }
  EXPECT_EQ(GameStateHash(), start);
  // Every value the runner's state dumps show is one of them.
  const std::string json = GameStateJson(1);
  const std::regex key("\"(\\w+)\": ");
  for (auto it = std::sregex_iterator(json.begin(), json.end(), key); it != std::sregex_iterator(); ++it) {
    const std::string name = (*it)[1];
    if (name != "frame" && name != "players") {
      EXPECT_NE(FindStateVariable(name), nullptr) << name;
    }
  }
}

TEST_F(GameState, TheChangedValuesOfTheCarriedOnesBringTheStateBack) {
  const StateImage programStart = CaptureState();
  nextTop[1] = 44;
  fallInterval = 30;
  scatterFallSpeed[3][4] = 7.25;
  keyButton = ButtonX;
  const uint64_t changed = GameStateHash();
  score = 10;  // a game's end always puts it back
  const std::vector<StateValues> values = ChangedValues(CaptureState(), programStart);
  std::vector<std::string> names;
  for (const StateValues& entry : values) names.push_back(entry.variable->name);
  EXPECT_EQ(names, (std::vector<std::string>{"nextTop", "fallInterval", "scatterFallSpeed"}));
  ResetGameState();
  keyButton = ButtonX;
  ApplyValues(values);
  EXPECT_EQ(GameStateHash(), changed);
}

TEST(StateElementText, ReadsBackExactlyAndRefusesWhatIsNoValue) {
  struct Case {
    ValueKind kind;
    uint64_t bits;
    const char* text;
  };
  const Case cases[] = {
      {ValueKind::U8, 255, "255"},
      {ValueKind::Bool, 1, "1"},
      {ValueKind::U32, 4294967295u, "4294967295"},
      {ValueKind::I32, static_cast<uint64_t>(int64_t{-2147483648}), "-2147483648"},
      {ValueKind::Float, 0x3dcccccd, "0.1"},
      {ValueKind::Double, 0x3fb999999999999aull, "0.1"},
      {ValueKind::Double, 0xbfd0000000000000ull, "-0.25"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StateElementText(c.kind, c.bits), c.text);
    uint64_t bits = 0;
    EXPECT_TRUE(ParseStateElement(c.kind, c.text, bits)) << c.text;
    EXPECT_EQ(bits, c.bits) << c.text;
  }
  uint64_t bits = 0;
  for (auto [kind, text] : std::vector<std::pair<ValueKind, const char*>>{{ValueKind::U8, "256"},
                                                                          {ValueKind::Bool, "2"},
                                                                          {ValueKind::U32, "-1"},
                                                                          {ValueKind::I32, "2147483648"},
                                                                          {ValueKind::Float, "1e39"},
                                                                          {ValueKind::Double, "inf"},
                                                                          {ValueKind::Double, "0x10"},
                                                                          {ValueKind::U8, " 1"},
                                                                          {ValueKind::U8, ""}}) {
    EXPECT_FALSE(ParseStateElement(kind, text, bits)) << text;
  }
}

TEST(DataFilesChecksum, ChangesWithAnyDataFile) {
  fixture::ScratchFolder scratch("data_checksum");
  const uint64_t none = DataFilesChecksum();
  for (const char* name : {PictureFileNames[0], EffectFileNames[7], MusicFileNames[1]}) {
    std::filesystem::create_directories(std::filesystem::u8path(name).parent_path());
    e2e::WriteFile(std::filesystem::u8path(name), "data");
  }
  const uint64_t some = DataFilesChecksum();
  EXPECT_NE(some, none);
  EXPECT_EQ(DataFilesChecksum(), some);
  e2e::WriteFile(std::filesystem::u8path(MusicFileNames[1]), "date");
  EXPECT_NE(DataFilesChecksum(), some);
  std::filesystem::remove(std::filesystem::u8path(MusicFileNames[1]));
  std::filesystem::create_directory(std::filesystem::u8path(MusicFileNames[1]));
  EXPECT_NE(DataFilesChecksum(), some) << "a folder in a file's place reads as missing";
}

}  // namespace
