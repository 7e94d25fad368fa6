// Stands in for the platform's notices in unit tests.
#include "tests/client/recording_notices.h"

#include <filesystem>

#include "tests/support/test_files.h"

std::vector<ShownNotice>& ShownNotices() {
  static std::vector<ShownNotice> shown;
  return shown;
}

void ShowNotice(Notice notice) {
  const bool has_version = std::filesystem::exists("version.ini");
  ShownNotices().push_back(
      {notice, has_version ? ReadFileBytes("version.ini") : "<none>"});
}
