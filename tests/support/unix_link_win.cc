#include "tests/support/unix_link_win.h"

#include <windows.h>

#include <chrono>
#include <string>

#include "tests/support/test_files.h"

namespace {

// The host's path of a Windows path, through Wine's own export; empty
// elsewhere.
std::wstring UnixPath(const std::filesystem::path& path) {
  using ToUnix = char*(__cdecl*)(const wchar_t*);
  const auto to_unix =
      reinterpret_cast<ToUnix>(reinterpret_cast<void*>(GetProcAddress(
          GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* unix_path = to_unix ? to_unix(path.c_str()) : nullptr;
  if (!unix_path)
    return std::wstring();
  const std::wstring result = std::filesystem::u8path(unix_path).wstring();
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

}  // namespace

bool MakeUnixFolderLink(const std::filesystem::path& target,
                        const std::filesystem::path& link) {
  const std::wstring unix_target = UnixPath(target);
  const std::wstring unix_link = UnixPath(link);
  if (unix_target.empty() || unix_link.empty())
    return false;
  // Wine starts Unix programs too.
  std::wstring command =
      L"Z:\\bin\\ln -s -- \"" + unix_target + L"\" \"" + unix_link + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Wine's handle of a Unix process neither waits for it nor gives its exit
  // code, so the link itself tells.
  return WaitUntil(
      [&] {
        const DWORD attributes = GetFileAttributesW(link.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
      },
      std::chrono::seconds(10));
}
