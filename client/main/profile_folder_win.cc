#include "client/main/profile_folder.h"

#include <stdlib.h>

std::filesystem::path GetProfileFolderPath() {
  const wchar_t* appdata = _wgetenv(L"APPDATA");
  if (!appdata || !*appdata)
    return std::filesystem::path();
  return std::filesystem::path(std::wstring(appdata) + L"\\ZTV");
}

std::string ProfileFolderProblem(const std::filesystem::path&) {
  // CEF takes the UTF-16 path as it stands.
  return std::string();
}
