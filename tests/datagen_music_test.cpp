#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/midi_file.h"
#include "shell/file_names.h"
#include "tools/datagen/music.h"
#include "tools/datagen/score.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Note {
  int channel, key, velocity;
  uint32_t start, end;
};

// What a Standard MIDI File holds, read independently of the generator.
struct Song {
  bool valid = false;
  int format = -1;
  int division = 0;
  std::vector<uint32_t> trackEnds;                      // tick of each end-of-track
  std::vector<std::pair<uint32_t, uint32_t>> tempos;    // tick, microseconds per quarter
  std::vector<std::pair<uint32_t, std::pair<int, int>>> timeSignatures;  // tick, (beats, unit)
  std::map<int, int> programs;                          // channel, program
  std::vector<Note> notes;
  int unmatchedNoteEvents = 0;
};

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool AtEnd(size_t end) const { return at_ >= end; }
  size_t at() const { return at_; }
  uint8_t Byte() { return at_ < bytes_.size() ? bytes_[at_++] : (failed_ = true, 0); }
  uint32_t Big(int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | Byte();
    return value;
  }
  uint32_t VariableLength() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = Byte();
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) return value;
    }
    failed_ = true;
    return value;
  }
  std::string Text(size_t size) {
    std::string text;
    for (size_t i = 0; i < size; ++i) text += static_cast<char>(Byte());
    return text;
  }
  bool failed() const { return failed_; }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t at_ = 0;
  bool failed_ = false;
};

bool ParseTrack(Reader& in, size_t end, Song& song) {
  std::map<std::pair<int, int>, std::pair<uint32_t, int>> sounding;  // (channel, key) -> (start, velocity)
  uint32_t tick = 0;
  uint8_t status = 0;
  while (!in.AtEnd(end) && !in.failed()) {
    tick += in.VariableLength();
    uint8_t first = in.Byte();
    if (first & 0x80) {
      status = first;
      if (status < 0xF0) first = in.Byte();
    }
    if (status == 0xFF) {
      const uint8_t type = in.Byte();
      const uint32_t size = in.VariableLength();
      const size_t dataAt = in.at();
      if (type == 0x2F) {
        song.trackEnds.push_back(tick);
        song.unmatchedNoteEvents += static_cast<int>(sounding.size());
        return size == 0 && in.at() == end;
      }
      if (type == 0x51 && size == 3) song.tempos.push_back({tick, in.Big(3)});
      if (type == 0x58 && size == 4) {
        const int beats = in.Byte();
        const int unit = 1 << in.Byte();
        song.timeSignatures.push_back({tick, {beats, unit}});
      }
      in.Text(size - (in.at() - dataAt));
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      in.Text(in.VariableLength());
      continue;
    }
    const int kind = status & 0xF0;
    const int channel = status & 0x0F;
    const int data1 = first;
    const int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : in.Byte();
    const bool on = kind == 0x90 && data2 > 0;
    const bool off = kind == 0x80 || (kind == 0x90 && data2 == 0);
    if (kind == 0xC0) song.programs[channel] = data1;
    if (on) {
      if (sounding.count({channel, data1})) ++song.unmatchedNoteEvents;
      sounding[{channel, data1}] = {tick, data2};
    }
    if (off) {
      auto it = sounding.find({channel, data1});
      if (it == sounding.end()) {
        ++song.unmatchedNoteEvents;
      } else {
        song.notes.push_back({channel, data1, it->second.second, it->second.first, tick});
        sounding.erase(it);
      }
    }
  }
  return false;  // ran out of bytes before the end-of-track event
}

Song ParseSong(const std::vector<uint8_t>& bytes) {
  Song song;
  Reader in(bytes);
  if (in.Text(4) != "MThd" || in.Big(4) != 6) return song;
  song.format = static_cast<int>(in.Big(2));
  const uint32_t tracks = in.Big(2);
  song.division = static_cast<int>(in.Big(2));
  for (uint32_t t = 0; t < tracks; ++t) {
    if (in.Text(4) != "MTrk") return song;
    const uint32_t size = in.Big(4);
    if (!ParseTrack(in, in.at() + size, song)) return song;
  }
  song.valid = !in.failed() && in.AtEnd(bytes.size()) && song.division > 0 && !(song.division & 0x8000);
  return song;
}

class GeneratedMusic : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = fs::temp_directory_path() / ("kerzonk-music-" + std::to_string(::getpid()));
    ASSERT_TRUE(WriteMusic(folder));
    for (int i = 0; i < 2; ++i) songs[i] = ParseSong(ReadAll(folder / MusicFileNames[i]));
  }
  static void TearDownTestSuite() { fs::remove_all(folder); }

  static uint32_t TicksPerBar(const Song& song) {
    const auto [beats, unit] = song.timeSignatures.front().second;
    return static_cast<uint32_t>(song.division * 4 * beats / unit);
  }
  static double Seconds(const Song& song) {
    return song.trackEnds.front() / static_cast<double>(song.division) * song.tempos.front().second / 1e6;
  }

  static inline fs::path folder;
  static inline Song songs[2];
};

TEST_F(GeneratedMusic, SameBytesEveryTime) {
  const fs::path again = folder.string() + "-again";
  ASSERT_TRUE(WriteMusic(again));
  for (const char* name : MusicFileNames) EXPECT_EQ(ReadAll(folder / name), ReadAll(again / name)) << name;
  fs::remove_all(again);
}

TEST_F(GeneratedMusic, ParseWithOneTempoAndTimeSignatureAtTheStart) {
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(MusicFileNames[i]);
    const Song& song = songs[i];
    ASSERT_TRUE(song.valid);
    EXPECT_TRUE(song.format == 0 || song.format == 1);
    ASSERT_EQ(song.tempos.size(), 1u);
    EXPECT_EQ(song.tempos.front().first, 0u);
    ASSERT_EQ(song.timeSignatures.size(), 1u);
    EXPECT_EQ(song.timeSignatures.front().first, 0u);
    EXPECT_EQ(song.unmatchedNoteEvents, 0);
  }
}

TEST_F(GeneratedMusic, EveryTrackEndsOnTheSameBarLine) {
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(MusicFileNames[i]);
    const Song& song = songs[i];
    ASSERT_TRUE(song.valid);
    const uint32_t end = song.trackEnds.front();
    for (uint32_t trackEnd : song.trackEnds) EXPECT_EQ(trackEnd, end);
    EXPECT_GT(end, 0u);
    EXPECT_EQ(end % TicksPerBar(song), 0u);
    for (const Note& note : song.notes) EXPECT_LE(note.end, end);
  }
}

TEST_F(GeneratedMusic, LengthsSuitTheirScreens) {
  ASSERT_TRUE(songs[0].valid && songs[1].valid);
  EXPECT_GE(Seconds(songs[0]), 30.0);
  EXPECT_LE(Seconds(songs[0]), 60.0);
  EXPECT_GE(Seconds(songs[1]), 45.0);
  EXPECT_LE(Seconds(songs[1]), 90.0);
  // The game theme drives harder than the title theme.
  EXPECT_LT(songs[1].tempos.front().second, songs[0].tempos.front().second);
}

TEST_F(GeneratedMusic, HaveMelodyBassHarmonyAndDrums) {
  constexpr int drumChannel = 9;
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(MusicFileNames[i]);
    const Song& song = songs[i];
    std::map<int, std::vector<Note>> byChannel;
    for (const Note& note : song.notes) byChannel[note.channel].push_back(note);
    ASSERT_TRUE(byChannel.count(drumChannel));
    for (const Note& hit : byChannel[drumChannel]) {
      EXPECT_GE(hit.key, 35);  // the General MIDI percussion keys
      EXPECT_LE(hit.key, 81);
    }
    EXPECT_GE(byChannel.size(), 4u);

    bool bass = false, chords = false, tune = false;
    for (const auto& [channel, notes] : byChannel) {
      if (channel == drumChannel) continue;
      EXPECT_TRUE(song.programs.count(channel)) << "channel " << channel << " has no instrument";
      int keySum = 0, highest = 0, high = 0;
      std::map<uint32_t, int> startsAt;
      for (const Note& note : notes) {
        keySum += note.key;
        highest = std::max(highest, note.key);
        high += note.key >= 67;
        ++startsAt[note.start];
      }
      const auto together = std::count_if(startsAt.begin(), startsAt.end(), [](auto& s) { return s.second >= 3; });
      bass |= keySum < 48 * static_cast<int>(notes.size()) && highest < 60;
      tune |= high * 2 >= static_cast<int>(notes.size()) && together == 0;
      chords |= together * 2 >= static_cast<long>(startsAt.size());
    }
    EXPECT_TRUE(bass) << "no channel stays below middle C around C3";
    EXPECT_TRUE(chords) << "no channel plays chords";
    EXPECT_TRUE(tune) << "no channel carries a single high line";
  }
}

TEST_F(GeneratedMusic, LoopWholeBarsInTheGamesOwnReader) {
  // The game changes pieces at bar lines and loops over the whole length, so
  // the length must be the last bar line plus one whole bar.
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(MusicFileNames[i]);
    const std::vector<uint8_t> bytes = ReadAll(folder / MusicFileNames[i]);
    platform::MidiSong song;
    ASSERT_TRUE(platform::ParseMidiFile(bytes.data(), bytes.size(), song));
    ASSERT_GE(song.barLines.size(), 2u);
    const double bar = song.barLines[1] - song.barLines[0];
    EXPECT_NEAR(song.length, song.barLines.back() + bar, 1e-6);
    EXPECT_NEAR(song.length, Seconds(songs[i]), 1e-3);
  }
}

TEST(NoteText, NamesMapToMidiKeys) {
  EXPECT_EQ(score::NoteNumber("c4"), 60);
  EXPECT_EQ(score::NoteNumber("a4"), 69);
  EXPECT_EQ(score::NoteNumber("bb1"), 34);
  EXPECT_EQ(score::NoteNumber("g#5"), 80);
  EXPECT_THROW(score::NoteNumber("h4"), std::invalid_argument);
  EXPECT_THROW(score::NoteNumber("c"), std::invalid_argument);
}

TEST(NoteText, ABarMustFillExactlyFourBeats) {
  MidiTrack track("test");
  EXPECT_NO_THROW(score::PlaceBar(track, 0, 0, "c4:4 r:4 e4:8", 100, 1.0));
  EXPECT_THROW(score::PlaceBar(track, 0, 0, "c4:4 e4:8", 100, 1.0), std::invalid_argument);
  EXPECT_THROW(score::PlaceBar(track, 0, 0, "c4:4 e4:8 g4:8", 100, 1.0), std::invalid_argument);
  EXPECT_THROW(score::PlaceBar(track, 0, 0, "c4 e4:12", 100, 1.0), std::invalid_argument);
  EXPECT_THROW(score::PlaceDrumBar(track, 0, score::drum::Kick, "x...x...", 1.0), std::invalid_argument);
}

}  // namespace
