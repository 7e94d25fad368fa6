#include "tests/support/version_info.h"

#include <windows.h>

#include <vector>

namespace {

std::string Quad(DWORD most, DWORD least) {
  return std::to_string(HIWORD(most)) + "." + std::to_string(LOWORD(most)) +
         "." + std::to_string(HIWORD(least)) + "." +
         std::to_string(LOWORD(least));
}

std::string Utf8(const wchar_t* text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace

VersionInfo ReadVersionInfo(const std::filesystem::path& program) {
  VersionInfo info;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &handle);
  std::vector<char> data(size);
  if (!size || !GetFileVersionInfoW(program.c_str(), 0, size, data.data()))
    return info;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed),
                     &length) &&
      fixed) {
    info.file_version = Quad(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    info.product_version =
        Quad(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  }
  const auto text = [&](const wchar_t* name) {
    wchar_t* value = nullptr;
    const std::wstring key =
        std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    return VerQueryValueW(data.data(), key.c_str(),
                          reinterpret_cast<void**>(&value), &length) &&
                   value
               ? Utf8(value)
               : std::string();
  };
  info.product_name = text(L"ProductName");
  info.company_name = text(L"CompanyName");
  info.file_description = text(L"FileDescription");
  return info;
}
