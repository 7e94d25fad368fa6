#include "launcher/client_file.h"

#include <fstream>

bool ReadConfig(const char* path, ClientFile* file) {
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
