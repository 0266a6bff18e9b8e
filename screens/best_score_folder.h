// Where "scor" is read and saved: beside the data in the current folder
// (the default), or in a per-user folder chosen at start-up and made, mode
// 0700, on the first save.
#pragma once

#include <string>

// An empty folder means the current one.
void SetBestScoreFolder(const std::string& folder);
const std::string& BestScoreFolder();
std::string BestScorePath();
std::string BestScoreTempPath();
// Makes the chosen folder when it is missing; true when a save can go ahead.
bool MakeBestScoreFolder();
