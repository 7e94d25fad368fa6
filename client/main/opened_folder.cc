#include "client/main/profile_files.h"

int OpenedFolder::Open(const std::filesystem::path& path,
                       const FolderIdentity& expected) {
  const int error = Open(path);
  return error == 0 && identity_ != expected ? kFolderReplacedError : error;
}
