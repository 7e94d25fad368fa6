#include "launcher/client_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool ReadConfig(const std::filesystem::path& path, ClientFile* file) {
  // Something that is there but is no file (a folder, say) cannot be read
  // as one, whether or not the system lets it be opened.
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(path, error);
  if (std::filesystem::exists(status) &&
      !std::filesystem::is_regular_file(status)) {
    return false;
  }
  std::ifstream config(path);
  if (!config.is_open())
    return false;
  // Formatted extraction in the classic locale: whitespace separates words
  // and a byte-order mark is just part of the first word.
  std::string name;
  std::string extension;
  config >> name >> extension;
  config.close();
  file->name = name;
  file->extension = extension;
  return true;
}
