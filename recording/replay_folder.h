// The folder where recorded games are kept: the last KeptGames games, each
// in a file named for the moment (UTC) it was kept, such as
// "20240607-153012-345-solo.kzr", and apart from them the game that set
// the best score.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "recording/recording.h"

constexpr size_t KeptGames = 20;

// Beside the player's best score: in the per-user folder for an installed
// game, else in the data folder.
std::string ReplaysFolder();

std::string GameFileName(GameMode mode, std::chrono::system_clock::time_point when);
// Whether a name is one GameFileName gives.
bool IsGameFileName(std::string_view name);

// Makes the folder when missing and writes the game into it as a new file
// and, when best, as the best game too; then removes the oldest games beyond
// KeptGames. False, with a sentence saying what was not kept and why, when
// a file could not be written.
bool KeepGame(const std::string& folder, const std::string& text, GameMode mode, bool best, std::string& error);
