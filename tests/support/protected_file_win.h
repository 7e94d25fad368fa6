#ifndef TESTS_SUPPORT_PROTECTED_FILE_WIN_H_
#define TESTS_SUPPORT_PROTECTED_FILE_WIN_H_

#include <windows.h>

#include <filesystem>

// Makes the file |path| one that can be read but not replaced, deleted or
// written, while the object lives: its read-only attribute, and where that
// does not stop a replacing move (Wine renames over a read-only file, as
// Unix does, even for an account without privileges) a handle that shares
// only reading.
class ProtectedFile {
 public:
  explicit ProtectedFile(const std::filesystem::path& path);
  ~ProtectedFile();
  ProtectedFile(const ProtectedFile&) = delete;
  ProtectedFile& operator=(const ProtectedFile&) = delete;

  // Whether a copy of the file is now refused in its place.
  bool ok() const { return ok_; }

 private:
  std::filesystem::path path_;
  HANDLE held_ = INVALID_HANDLE_VALUE;
  bool ok_ = false;
};

#endif  // TESTS_SUPPORT_PROTECTED_FILE_WIN_H_
