#include <fstream>
#include <string>

#include "bench/runs_linux.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

// A long-played cache: a few folders deep, a hundred files to a folder.
constexpr int kFilesPerFolder = 100;
constexpr int kFoldersPerLevel = 10;

}  // namespace

void BuildProfileTree(const fs::path& folder, int files, size_t file_bytes) {
  const std::string content(file_bytes, 'z');
  for (int i = 0; i < files; ++i) {
    const int leaf = i / kFilesPerFolder;
    const fs::path parent =
        folder / ("cache" + std::to_string(leaf / kFoldersPerLevel)) /
        ("part" + std::to_string(leaf % kFoldersPerLevel));
    if (i % kFilesPerFolder == 0)
      fs::create_directories(parent);
    std::ofstream(parent / ("f_" + std::to_string(i)), std::ios::binary)
        << content;
  }
  std::ofstream(folder / "Cookies", std::ios::binary) << content;
}

long ResetExtraMemoryKib(const std::string& reset_runner,
                         const fs::path& folder) {
  WatchedProcess process({{reset_runner, folder.string()}, "", {}});
  const std::string marker = "extra_kib ";
  if (!process.WaitForExit(60) || process.exit_code() != 0)
    return -1;
  process.Poll(0);
  const std::string* line = process.FirstLine(marker);
  return line ? std::stol(line->substr(marker.size())) : -1;
}

}  // namespace bench
