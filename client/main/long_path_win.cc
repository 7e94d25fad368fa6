#include "client/main/long_path_win.h"

#include <windows.h>

namespace {

// |path| made absolute and cleaned up as Win32 does (separators, "." and
// ".."), or empty when Win32 cannot.
std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0)
    return std::wstring();
  std::wstring full(needed, L'\0');
  const DWORD length =
      GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed)
    return std::wstring();
  full.resize(length);
  return full;
}

}  // namespace

std::wstring ExtendedLengthPath(const std::filesystem::path& path) {
  const std::wstring& given = path.native();
  // Already in a form that Win32 passes on untouched.
  if (given.rfind(L"\\\\?\\", 0) == 0 || given.rfind(L"\\\\.\\", 0) == 0)
    return given;
  // The prefix turns off Win32's own clean-up, so the folder part is cleaned
  // up first. The last name is kept as it stands: it is one the client chose
  // or one a listing gave, and the clean-up would also strip a trailing dot
  // or space, making "Cookies." the cookie file.
  const std::filesystem::path name = path.filename();
  const bool plain_name = !name.empty() && name != L"." && name != L"..";
  const std::wstring parent = path.parent_path().native();
  std::wstring full = FullPath(!plain_name      ? given
                               : parent.empty() ? std::wstring(L".")
                                                : parent);
  if (full.empty())
    return given;
  if (plain_name) {
    if (full.back() != L'\\')
      full += L'\\';
    full += name.native();
  }
  // A share's path, \\server\share\..., takes the UNC form.
  if (full.rfind(L"\\\\", 0) == 0)
    return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}
