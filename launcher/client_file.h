#ifndef LAUNCHER_CLIENT_FILE_H_
#define LAUNCHER_CLIENT_FILE_H_

#include <filesystem>
#include <string>

// The client program's file inside bin/: "<name>.<extension>".
struct ClientFile {
  std::string name = "game";
  std::string extension = "ztv";
};

// Reads the first two words of the configuration file at |path| into |file|.
// A file that does not open, or something there that is not a file, leaves
// |file| untouched and returns false; a file that opens replaces both, a
// missing word by the empty string.
bool ReadConfig(const std::filesystem::path& path, ClientFile* file);

#endif  // LAUNCHER_CLIENT_FILE_H_
