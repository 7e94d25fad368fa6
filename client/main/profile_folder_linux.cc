#include "client/main/profile_folder.h"

#include <cstdlib>
#include <string>

std::filesystem::path GetProfileFolderPath() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home && *data_home)
    return std::filesystem::path(std::string(data_home) + "/ZTV");
  const char* home = std::getenv("HOME");
  if (home && *home)
    return std::filesystem::path(std::string(home) + "/.local/share/ZTV");
  return std::filesystem::path();
}
