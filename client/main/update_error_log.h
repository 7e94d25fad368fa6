#ifndef CLIENT_MAIN_UPDATE_ERROR_LOG_H_
#define CLIENT_MAIN_UPDATE_ERROR_LOG_H_

#include <filesystem>

// A failure the client reports: the platform's error code and the path it
// concerns. A code of 0 is no failure.
struct FileError {
  int code = 0;
  std::filesystem::path path;
};

// Makes "update_error.log" in the working directory hold |error|: the code
// in decimal, a line end and the path. The latest failure of a run is the
// one that stays. Writing it never follows a link.
void WriteUpdateErrorLog(const FileError& error);

#endif  // CLIENT_MAIN_UPDATE_ERROR_LOG_H_
