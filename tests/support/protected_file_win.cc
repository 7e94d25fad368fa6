#include "tests/support/protected_file_win.h"

#include "tests/support/test_files.h"

namespace {

// Whether a copy of |path| can be moved over it.
bool Replaceable(const std::filesystem::path& path) {
  std::filesystem::path probe = path;
  probe += ".probe";
  WriteFileBytes(probe, ReadFileBytes(path));
  const bool replaced =
      MoveFileExW(probe.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
  DeleteFileW(probe.c_str());
  return replaced;
}

}  // namespace

ProtectedFile::ProtectedFile(const std::filesystem::path& path) : path_(path) {
  if (!SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY))
    return;
  if (Replaceable(path)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    held_ = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ok_ = !Replaceable(path);
}

ProtectedFile::~ProtectedFile() {
  if (held_ != INVALID_HANDLE_VALUE)
    CloseHandle(held_);
  SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}
