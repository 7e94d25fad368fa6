#include "client/main/profile_folder.h"

#include <stdlib.h>

std::filesystem::path GetProfileFolderPath() {
  const wchar_t* appdata = _wgetenv(L"APPDATA");
  if (!appdata || !*appdata)
    return std::filesystem::path();
  // A relative value would move the profile with the working folder.
  std::filesystem::path folder(std::wstring(appdata) + L"\\ZTV");
  return folder.is_absolute() ? folder : std::filesystem::path();
}

std::string ProfileFolderProblem(const std::filesystem::path&, int* code) {
  // CEF takes the UTF-16 path as it stands.
  *code = 0;
  return std::string();
}
