#include "client/main/update_error_log.h"

#include <string>

#include "client/main/file_replacement.h"
#include "client/main/profile_files.h"

void WriteUpdateErrorLog(const FileError& error) {
  // A log that cannot be written leaves the notice as the only word.
  ReplaceFileDurably(
      "update_error.log",
      std::to_string(error.code) + kLogLineEnd + error.path.u8string());
}
