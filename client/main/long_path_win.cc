#include "client/main/long_path_win.h"

#include <windows.h>

std::wstring ExtendedLengthPath(const std::filesystem::path& path) {
  const std::wstring& given = path.native();
  // Already in a form that Win32 passes on untouched.
  if (given.rfind(L"\\\\?\\", 0) == 0 || given.rfind(L"\\\\.\\", 0) == 0)
    return given;
  // The prefix turns off Win32's own clean-up of the path, so that is done
  // first: separators, "." and "..".
  const DWORD needed = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (needed == 0)
    return given;
  std::wstring full(needed, L'\0');
  const DWORD length =
      GetFullPathNameW(given.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed)
    return given;
  full.resize(length);
  // A share's path, \\server\share\..., takes the UNC form.
  if (full.rfind(L"\\\\", 0) == 0)
    return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}
