#include <gtest/gtest.h>

#include <fstream>

#include "platform/midi_file.h"
#include "tests/midi_builder.h"
#include "tests/odd_files.h"
#include "tests/scratch_folder.h"

namespace {

platform::MidiSong Parse(const std::vector<uint8_t>& bytes) {
  platform::MidiSong song;
  EXPECT_TRUE(platform::ParseMidiFile(bytes.data(), bytes.size(), song));
  return song;
}

bool Rejects(const std::vector<uint8_t>& bytes) {
  platform::MidiSong song;
  return !platform::ParseMidiFile(bytes.data(), bytes.size(), song);
}

using Bars = std::vector<double>;

TEST(MidiBarLines, FourFourAtDefaultTempoIsTwoSecondsABar) {
  const auto song = Parse(MidiBuilder(480).Meter(0, 4, 2).End(4 * 1920).Bytes());
  EXPECT_EQ(song.barLines, (Bars{0, 2, 4, 6}));
  EXPECT_DOUBLE_EQ(song.length, 8);
}

TEST(MidiBarLines, NoTimeSignatureMeansFourFour) {
  const auto song = Parse(MidiBuilder(96).End(2 * 384).Bytes());
  EXPECT_EQ(song.barLines, (Bars{0, 2}));
}

TEST(MidiBarLines, ThreeFourIsThreeBeats) {
  const auto song = Parse(MidiBuilder(480).Meter(0, 3, 2).End(3 * 1440).Bytes());
  EXPECT_EQ(song.barLines, (Bars{0, 1.5, 3}));
}

TEST(MidiBarLines, SixEightIsSixEighths) {
  // 6/8 at a quarter of 0.4 s: an eighth is 0.2 s, a bar 1.2 s.
  const auto song = Parse(MidiBuilder(480).Meter(0, 6, 3).Tempo(0, 400000).End(2 * 1440).Bytes());
  ASSERT_EQ(song.barLines.size(), 2u);
  EXPECT_DOUBLE_EQ(song.barLines[1], 1.2);
  EXPECT_DOUBLE_EQ(song.length, 2.4);
}

TEST(MidiBarLines, FollowTempoChanges) {
  // 120 beats a minute for the first bar, 60 from the second: bars of 2 s, then 4 s.
  const auto song = Parse(MidiBuilder(480).Tempo(1920, 1000000).End(3 * 1920).Bytes());
  EXPECT_EQ(song.barLines, (Bars{0, 2, 6}));
  EXPECT_DOUBLE_EQ(song.length, 10);
}

TEST(MidiBarLines, TempoChangeInsideABarStretchesItsRest) {
  // Two beats at 0.5 s, two at 1 s: the second bar line at 3 s.
  const auto song = Parse(MidiBuilder(480).Tempo(960, 1000000).End(1920 + 960).Bytes());
  ASSERT_EQ(song.barLines.size(), 2u);
  EXPECT_DOUBLE_EQ(song.barLines[1], 3);
}

TEST(MidiBarLines, MeterChangeStartsANewMeasure) {
  // One bar of 4/4 (2 s), then 3/4 bars of 1.5 s.
  const auto song = Parse(MidiBuilder(480).Meter(0, 4, 2).Meter(1920, 3, 2).End(1920 + 2 * 1440).Bytes());
  EXPECT_EQ(song.barLines, (Bars{0, 2, 3.5}));
}

TEST(MidiBarLines, EmptyPieceLastsOneMeasure) {
  const auto song = Parse(MidiBuilder(480).Meter(0, 3, 2).Bytes());
  EXPECT_EQ(song.barLines, (Bars{0}));
  EXPECT_DOUBLE_EQ(song.length, 1.5);
}

TEST(MidiEvents, TimedThroughTheTempoMapInFileOrder) {
  const auto song = Parse(MidiBuilder(480).Program(0, 19).Note(480, 480, 60).Tempo(960, 250000).Note(1440, 240, 64)
                              .End(1920).Bytes());
  ASSERT_EQ(song.events.size(), 5u);
  EXPECT_EQ(song.events[0].status, 0xC0);
  EXPECT_EQ(song.events[0].data1, 19);
  EXPECT_DOUBLE_EQ(song.events[1].seconds, 0.5);   // note on 60
  EXPECT_DOUBLE_EQ(song.events[2].seconds, 1.0);   // note off 60
  EXPECT_DOUBLE_EQ(song.events[3].seconds, 1.25);  // note on 64, after the tempo doubled
  EXPECT_DOUBLE_EQ(song.events[4].seconds, 1.375);
  EXPECT_DOUBLE_EQ(song.length, 1.5);
}

TEST(MidiEvents, RunningStatusRepeatsTheLastChannelStatus) {
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                               'M', 'T', 'r', 'k', 0, 0, 0, 11,
                               0x00, 0x91, 60, 100,  // note on, channel 1
                               0x60, 64, 90,         // running status: another note on
                               0x00, 0xFF, 0x2F, 0x00};
  const auto song = Parse(file);
  ASSERT_EQ(song.events.size(), 2u);
  EXPECT_EQ(song.events[1].status, 0x91);
  EXPECT_EQ(song.events[1].data1, 64);
  EXPECT_DOUBLE_EQ(song.events[1].seconds, 0.5);
}

TEST(MidiMalformed, Rejected) {
  const std::vector<uint8_t> good = MidiBuilder(480).Note(0, 480, 60).End(1920).Bytes();
  EXPECT_TRUE(Rejects({}));
  EXPECT_TRUE(Rejects({'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0}));
  EXPECT_TRUE(Rejects(std::vector<uint8_t>(good.begin(), good.end() - 5))) << "track cut short";

  std::vector<uint8_t> smpte = good;
  smpte[12] = 0xE7;  // -25 frames a second
  EXPECT_TRUE(Rejects(smpte));

  std::vector<uint8_t> formatTwo = good;
  formatTwo[9] = 2;
  EXPECT_TRUE(Rejects(formatTwo));

  std::vector<uint8_t> missingTrack = good;
  missingTrack[11] = 2;  // says two tracks, holds one
  EXPECT_TRUE(Rejects(missingTrack));

  std::vector<uint8_t> noStatus = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                   'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 60, 100, 0x00};
  EXPECT_TRUE(Rejects(noStatus)) << "data bytes before any status";
}

// One track of program changes in running status, two bytes each.
std::vector<uint8_t> ProgramChanges(size_t count) {
  std::vector<uint8_t> track = {0x00, 0xC0, 0x05};
  for (size_t i = 1; i < count; ++i) track.insert(track.end(), {0x00, 0x05});
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  const auto length = static_cast<uint32_t>(track.size());
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k',
                               uint8_t(length >> 24), uint8_t(length >> 16), uint8_t(length >> 8), uint8_t(length)};
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

TEST(MidiEvents, AMillionEventsAtMost) {
  EXPECT_EQ(Parse(ProgramChanges(1000000)).events.size(), 1000000u);
  EXPECT_TRUE(Rejects(ProgramChanges(1000001)));
}

TEST(MidiFileOnDisk, FilesUpToTheBoundAreRead) {
  fixture::ScratchFolder folder("midi_file");
  const std::vector<uint8_t> bytes = MidiBuilder(96).End(384).Bytes();
  std::ofstream("a.mid", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  platform::MidiSong song;
  EXPECT_TRUE(platform::ReadMidiFile("a.mid", song));
  ASSERT_TRUE(fixture::MakeSparseFile("long.mid", platform::MaxMidiFileBytes + 1));
  EXPECT_FALSE(platform::ReadMidiFile("long.mid", song));
}

}  // namespace
