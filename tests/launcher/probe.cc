#include "tests/launcher/probe.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "tests/support/test_files.h"

int RunProbe(const std::string& cwd,
             const std::string& program,
             const std::string& command) {
  const char* record = std::getenv(kProbeRecordVariable);
  const char* release = std::getenv(kProbeReleaseVariable);
  if (!record || !release)
    return 3;
  const std::filesystem::path record_path = record;
  const std::filesystem::path partial = record_path.string() + ".partial";
  WriteFileBytes(partial, cwd + "\n" + program + "\n" + command);
  std::filesystem::rename(partial, record_path);
  if (!WaitUntil([&] { return std::filesystem::exists(release); },
                 std::chrono::seconds(60))) {
    return 4;
  }
  WriteFileBytes(record_path.string() + ".done", "");
  return 0;
}
