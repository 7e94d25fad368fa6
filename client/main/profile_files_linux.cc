#include "client/main/profile_files.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <sys/stat.h>

int DeleteProfileFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return error.value();
}

int CreateProfileFolder(const std::filesystem::path& folder) {
  return mkdir(folder.c_str(), 0700) == 0 ? 0 : errno;
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
