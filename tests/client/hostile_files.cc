#include "tests/client/hostile_files.h"

#include "client/main/profile_files.h"

bool MakeLink(const std::filesystem::path& target,
              const std::filesystem::path& link,
              bool folder) {
  std::error_code error;
  if (folder)
    std::filesystem::create_directory_symlink(target, link, error);
  else
    std::filesystem::create_symlink(target, link, error);
  PathKind kind = PathKind::kAbsent;
  return !error && ProbePath(link, &kind) == 0 && kind == PathKind::kLink;
}
