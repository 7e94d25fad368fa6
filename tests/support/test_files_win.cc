#include "tests/support/test_files.h"

#include <algorithm>

std::filesystem::path BuildTreePath(const std::string& host_path) {
  // Wine maps the host's root folder to drive Z:.
  std::string path = "Z:" + host_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

#include <stdlib.h>
#include <windows.h>

#include <aclapi.h>

std::vector<std::string> EntryNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const std::wstring pattern =
      L"\\\\?\\" + std::filesystem::absolute(folder).native() + L"\\*";
  const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..")
      names.push_back(std::filesystem::path(name).u8string());
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

namespace {

std::wstring WideFromUtf8(const std::string& text) {
  return std::filesystem::u8path(text).wstring();
}

}  // namespace

ScopedEnvironment::ScopedEnvironment(const std::string& name, const char* value)
    : name_(name) {
  const std::wstring wide_name = WideFromUtf8(name);
  if (const wchar_t* previous = _wgetenv(wide_name.c_str())) {
    had_value_ = true;
    previous_ = std::filesystem::path(previous).u8string();
  }
  // _wputenv keeps the C runtime's copy, which _wgetenv reads, in step.
  _wputenv_s(wide_name.c_str(), value ? WideFromUtf8(value).c_str() : L"");
}

ScopedEnvironment::~ScopedEnvironment() {
  _wputenv_s(WideFromUtf8(name_).c_str(),
             had_value_ ? WideFromUtf8(previous_).c_str() : L"");
}

const char kTextModeLineEnd[] = "\r\n";

bool OpenToEveryone(const std::filesystem::path& path) {
  BYTE everyone[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof(everyone);
  if (!CreateWellKnownSid(WinWorldSid, nullptr, everyone, &size))
    return false;
  alignas(DWORD) BYTE buffer[128];
  PACL acl = reinterpret_cast<PACL>(buffer);
  if (!InitializeAcl(acl, sizeof(buffer), ACL_REVISION) ||
      !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, everyone)) {
    return false;
  }
  std::wstring name = path.wstring();
  return SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                               DACL_SECURITY_INFORMATION, nullptr, nullptr, acl,
                               nullptr) == ERROR_SUCCESS;
}
