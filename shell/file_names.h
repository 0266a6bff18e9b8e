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
