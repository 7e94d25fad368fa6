#include "tests/client/hostile_files.h"

#include <windows.h>

#include "tests/support/test_files.h"

namespace {

HANDLE g_held = INVALID_HANDLE_VALUE;

std::filesystem::path Folder() {
  return std::filesystem::temp_directory_path() / "ztv-undeletable" / "ZTV";
}

}  // namespace

std::filesystem::path UndeletableFolder() {
  std::filesystem::create_directories(Folder());
  g_held =
      CreateFileW((Folder() / "data_0").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return Folder();
}

void ReleaseUndeletableFolder() {
  if (g_held != INVALID_HANDLE_VALUE)
    CloseHandle(g_held);
  g_held = INVALID_HANDLE_VALUE;
  std::error_code ignored;
  std::filesystem::remove_all(Folder().parent_path(), ignored);
}

bool ProtectFile(const std::filesystem::path& path) {
  if (!SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY))
    return false;
  // Only a file that really cannot be replaced counts: a copy of it must
  // not go over it.
  std::filesystem::path probe = path;
  probe += ".probe";
  WriteFileBytes(probe, ReadFileBytes(path));
  if (MoveFileExW(probe.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    return false;
  std::filesystem::remove(probe);
  return true;
}

void UnprotectFile(const std::filesystem::path& path) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool MakeFifo(const std::filesystem::path&) {
  return false;
}
