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

}  // namespace

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
  if (CreateDirectoryW(folder.c_str(), nullptr))
    return 0;
  return static_cast<int>(GetLastError());
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
    return 0;
  return static_cast<int>(GetLastError());
}
