#include "client/main/profile_lock.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "client/main/long_path_win.h"

namespace {

// The byte that is locked lies past the process ID, which others may read.
constexpr DWORD kLockedOffset = 64;

HANDLE AsHandle(std::intptr_t file) {
  return reinterpret_cast<HANDLE>(file);
}

unsigned long ReadHolder(HANDLE file) {
  char text[24] = {};
  DWORD read = 0;
  if (!ReadFile(file, text, sizeof(text) - 1, &read, nullptr))
    return 0;
  return std::strtoul(text, nullptr, 10);
}

struct Holder {
  DWORD process_id;
  // Its visible top-level windows, topmost first.
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectHolderWindow(HWND window, LPARAM holder_param) {
  Holder* holder = reinterpret_cast<Holder*>(holder_param);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == holder->process_id && IsWindowVisible(window) &&
      !GetWindow(window, GW_OWNER)) {
    holder->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

ProfileLock::~ProfileLock() {
  if (file_ != -1)
    CloseHandle(AsHandle(file_));
}

ProfileLock::Result ProfileLock::Acquire(
    const std::filesystem::path& profile_folder) {
  const std::filesystem::path path = PathFor(profile_folder);
  // The engine would create the parent for the folder anyway.
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  // Shared access, so that a second start can open the file, fail to lock
  // it and read whose it is; not inherited by the engine's helpers. A
  // reparse point is opened itself, not followed, and refused.
  const HANDLE file = CreateFileW(
      ExtendedLengthPath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error_ = static_cast<int>(GetLastError());
    return Result::kFailed;
  }
  // A second name would make the process ID written below land in a file
  // elsewhere; the lock cannot be replaced, as another start may hold it.
  BY_HANDLE_FILE_INFORMATION info = {};
  if (!GetFileInformationByHandle(file, &info))
    error_ = static_cast<int>(GetLastError());
  else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
    error_ = ERROR_BAD_FILE_TYPE;
  else if (info.nNumberOfLinks > 1)
    error_ = ERROR_TOO_MANY_LINKS;
  if (error_ != 0) {
    CloseHandle(file);
    return Result::kFailed;
  }
  OVERLAPPED locked = {};
  locked.Offset = kLockedOffset;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                  1, 0, &locked)) {
    error_ = static_cast<int>(GetLastError());
    if (error_ == ERROR_LOCK_VIOLATION)
      holder_ = ReadHolder(file);
    CloseHandle(file);
    return error_ == ERROR_LOCK_VIOLATION ? Result::kHeldElsewhere
                                          : Result::kFailed;
  }
  file_ = reinterpret_cast<std::intptr_t>(file);
  // The process ID only helps a second start find the window, so a failed
  // write costs nothing else.
  const std::string pid = std::to_string(GetCurrentProcessId());
  DWORD written = 0;
  if (!WriteFile(file, pid.data(), static_cast<DWORD>(pid.size()), &written,
                 nullptr) ||
      !SetEndOfFile(file)) {
    error_ = static_cast<int>(GetLastError());
  }
  return Result::kAcquired;
}

void ProfileLock::ShowHolder() const {
  Holder holder = {static_cast<DWORD>(holder_), {}};
  if (holder.process_id == 0)
    return;
  EnumWindows(CollectHolderWindow, reinterpret_cast<LPARAM>(&holder));
  // Bottom first, so that they keep their order among themselves.
  for (auto it = holder.windows.rbegin(); it != holder.windows.rend(); ++it) {
    if (IsIconic(*it))
      ShowWindow(*it, SW_RESTORE);
    SetForegroundWindow(*it);
  }
}
