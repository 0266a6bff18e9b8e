// The game state by name: every value counts in the hash, a recorded start
// brings the state back, values read back as written; the data checksum
// sees every data file, and a recording to watch is checked against it.
#include <gtest/gtest.h>

#include <sstream>

#include "headless_game.h"
#include "input/input.h"
#include "recording/compatibility.h"
#include "recording/data_checksum.h"
#include "recording/recording_text.h"
#include "recording/state_hash.h"
#include "recording/state_variables.h"
#include "recording/watch.h"
#include "rules/state.h"
#include "scratch_folder.h"
#include "screens/screens.h"
#include "shell/file_names.h"
#include "tests/e2e_support.h"

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
      {ValueKind::U32, 4294967295u, "4294967295"},
      {ValueKind::I32, static_cast<uint64_t>(int64_t{-2147483648}), "-2147483648"},
      {ValueKind::Float, 0x3dcccccd, "0.1"},
      {ValueKind::Double, 0x3fb999999999999aull, "0.1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StateElementText(c.kind, c.bits), c.text);
    uint64_t bits = 0;
    EXPECT_TRUE(ParseStateElement(c.kind, c.text, bits)) << c.text;
    EXPECT_EQ(bits, c.bits) << c.text;
  }
  uint64_t bits = 0;
  const std::pair<ValueKind, const char*> refused[] = {{ValueKind::U8, "256"},       {ValueKind::Bool, "2"},
                                                       {ValueKind::U32, "-1"},       {ValueKind::Float, "1e39"},
                                                       {ValueKind::Double, "inf"},   {ValueKind::Double, "0x10"},
                                                       {ValueKind::I32, " 1"}};
  for (auto [kind, text] : refused) EXPECT_FALSE(ParseStateElement(kind, text, bits)) << text;
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

TEST(Watching, AnUnreadableOrBadRecordingOrOneOfOtherDataIsRefusedWithItsReason) {
  fixture::ScratchFolder scratch("watch");
  Recording recording;
  recording.gameVersion = GameVersion;
  recording.inputs = {{1, InputSample{}}};
  recording.frames = 1;
  e2e::WriteFile("other.kzr", RecordingText(recording));
  e2e::WriteFile("bad.kzr", "kerzonk-recording 1\ngame 1.0.0\nmode solo\n");
  recording.dataChecksum = DataFilesChecksum();
  e2e::WriteFile("good.kzr", RecordingText(recording));
  std::ostringstream err;
  for (const char* name : {"missing.kzr", "bad.kzr", "other.kzr"}) EXPECT_FALSE(PrepareToWatch(name, recording, err));
  EXPECT_EQ(err.str(),
            "kerzonk: cannot read missing.kzr: No such file or directory\n"
            "kerzonk: bad.kzr: line 3: expected the data line, found \"mode\"\n"
            "kerzonk: other.kzr: recorded with other game data (pictures, effects or music) than these\n");
  EXPECT_TRUE(PrepareToWatch("good.kzr", recording, err));
}

}  // namespace
