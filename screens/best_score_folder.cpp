#include "screens/best_score_folder.h"

#include "platform/user_paths.h"
#include "shell/file_names.h"

namespace {

std::string bestScoreFolder;

std::string InFolder(const char* name) { return bestScoreFolder.empty() ? name : bestScoreFolder + "/" + name; }

}  // namespace

void SetBestScoreFolder(const std::string& folder) { bestScoreFolder = folder; }

const std::string& BestScoreFolder() { return bestScoreFolder; }

std::string BestScorePath() { return InFolder(BestScoreFileName); }

std::string BestScoreTempPath() { return InFolder(BestScoreTempFileName); }

bool MakeBestScoreFolder() { return bestScoreFolder.empty() || platform::MakeUserFolder(bestScoreFolder); }
