// The files the game reads, relative to the current directory. The data
// generator writes the same names.
#pragma once

constexpr const char* PictureFileNames[3] = {"絵/game_0.bmp", "絵/game_1.bmp", "絵/game_2.bmp"};
constexpr const char* EffectFileNames[8] = {"wave/a.wav", "wave/b.wav", "wave/c.wav", "wave/d.wav",
                                            "wave/e.wav", "wave/f.wav", "wave/g.wav", "wave/h.wav"};
constexpr const char* MusicFileNames[2] = {"midi/a.mid", "midi/b.mid"};
constexpr const char* BestScoreFileName = "scor";
// A new best score is written here first and then renamed over the old file.
constexpr const char* BestScoreTempFileName = "scor.tmp";
// The game's icon at each size the desktop's icon theme takes, laid out as
// in an icon theme folder; the window shows the 64 x 64 one.
constexpr int IconSizes[6] = {16, 32, 48, 64, 128, 256};
constexpr const char* IconFileNames[6] = {
    "icons/hicolor/16x16/apps/kerzonk.png",   "icons/hicolor/32x32/apps/kerzonk.png",
    "icons/hicolor/48x48/apps/kerzonk.png",   "icons/hicolor/64x64/apps/kerzonk.png",
    "icons/hicolor/128x128/apps/kerzonk.png", "icons/hicolor/256x256/apps/kerzonk.png"};
constexpr const char* WindowIconFileName = IconFileNames[3];
// Recorded games are kept in this folder beside the best score: the last
// few, each named for the time it ended, and the one that set the best score.
constexpr const char* ReplaysFolderName = "replays";
constexpr const char* RecordingFileExtension = ".kzr";
constexpr const char* BestGameFileName = "best.kzr";
