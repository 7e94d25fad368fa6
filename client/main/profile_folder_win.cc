#include "client/main/profile_folder.h"

#include <stdlib.h>

std::filesystem::path GetProfileFolderPath() {
  const wchar_t* appdata = _wgetenv(L"APPDATA");
  if (!appdata || !*appdata)
    return std::filesystem::path();
  return std::filesystem::path(std::wstring(appdata) + L"\\ZTV");
}
