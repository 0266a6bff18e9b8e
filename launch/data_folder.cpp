#include "launch/data_folder.h"

#include <ostream>
#include <system_error>

#include "platform/user_paths.h"
#include "screens/best_score_folder.h"
#include "shell/file_names.h"

namespace fs = std::filesystem;

namespace launch {

namespace {

bool HoldsData(const fs::path& folder) {
  std::error_code error;
  return !folder.empty() && fs::is_regular_file(folder / fs::u8path(PictureFileNames[0]), error);
}

fs::path InstalledFolder(const fs::path& programFolder) {
  const fs::path prefix = programFolder.parent_path();
  if (programFolder.filename() == "games") return prefix / "share" / "games" / platform::GameFolderName;
  return prefix / "share" / platform::GameFolderName;
}

}  // namespace

std::optional<DataFolder> FindDataFolder(const std::string& given, const fs::path& current, const fs::path& programFolder,
                                         std::vector<fs::path>& searched) {
  searched.clear();
  if (!given.empty()) return DataFolder{given, DataMode::Portable};
  for (const fs::path& portable : {current, programFolder}) {
    if (portable.empty()) continue;
    searched.push_back(portable);
    if (HoldsData(portable)) return DataFolder{portable, DataMode::Portable};
  }
  if (programFolder.empty()) return std::nullopt;
  const fs::path installed = InstalledFolder(programFolder);
  searched.push_back(installed);
  if (HoldsData(installed)) return DataFolder{installed, DataMode::Installed};
  return std::nullopt;
}

fs::path ProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path();
}

void EnterDataFolder(const std::string& given, std::ostream& err) {
  std::error_code error;
  std::vector<fs::path> searched;
  const std::optional<DataFolder> data = FindDataFolder(given, fs::current_path(error), ProgramFolder(), searched);
  if (!data) {
    err << "kerzonk: no game data (" << PictureFileNames[0] << ") in";
    for (const fs::path& folder : searched) err << ' ' << folder;
    err << '\n';
    return;
  }
  fs::current_path(data->path, error);
  if (error) {
    err << "kerzonk: cannot enter " << data->path << ": " << error.message() << '\n';
    return;
  }
  if (data->mode != DataMode::Installed) return;
  const std::string userFolder = platform::UserDataFolder();
  if (userFolder.empty()) {
    err << "kerzonk: neither XDG_DATA_HOME nor HOME names a folder; the best score stays beside the data\n";
    return;
  }
  SetBestScoreFolder(userFolder);
}

}  // namespace launch
