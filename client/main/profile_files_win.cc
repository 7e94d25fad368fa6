#include "client/main/profile_files.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <vector>

namespace {

// The shell takes a list of paths, each NUL-terminated, ending in a second
// NUL. Usual paths fit the customary 260 units; a longer one gets a list of
// its own size rather than being cut short.
constexpr size_t kDeletionListSize = 260;

int LastError() {
  return static_cast<int>(GetLastError());
}

}  // namespace

const int kAlreadyExistsError = ERROR_ALREADY_EXISTS;

int ProbePath(const std::filesystem::path& path, bool* exists) {
  *exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (*exists)
    return 0;
  const int error = LastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0
                                                                        : error;
}

int DeleteProfileFolder(const std::filesystem::path& folder) {
  const std::wstring& path = folder.native();
  std::vector<wchar_t> list(std::max(kDeletionListSize, path.size() + 2), 0);
  std::copy(path.begin(), path.end(), list.begin());

  SHFILEOPSTRUCTW operation = {};
  operation.hwnd = nullptr;
  operation.wFunc = FO_DELETE;
  operation.pFrom = list.data();
  operation.pTo = nullptr;
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
  operation.fAnyOperationsAborted = FALSE;
  operation.hNameMappings = nullptr;
  operation.lpszProgressTitle = nullptr;
  return SHFileOperationW(&operation);
}

int CreateProfileFolder(const std::filesystem::path& folder) {
  return CreateDirectoryW(folder.c_str(), nullptr) ? 0 : LastError();
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 0;
  }
  return LastError();
}

int MoveWithoutReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
    return 0;
  const int error = LastError();
  return error == ERROR_FILE_EXISTS ? kAlreadyExistsError : error;
}

int WriteFileDurably(const std::filesystem::path& path,
                     const std::string& bytes) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return LastError();
  int error = 0;
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                 nullptr) ||
      written != bytes.size() || !FlushFileBuffers(file)) {
    error = LastError();
    if (error == 0)
      error = ERROR_WRITE_FAULT;
  }
  if (!CloseHandle(file) && error == 0)
    error = LastError();
  return error;
}

int RemoveFile(const std::filesystem::path& path) {
  if (DeleteFileW(path.c_str()))
    return 0;
  const int error = LastError();
  return error == ERROR_FILE_NOT_FOUND ? 0 : error;
}
