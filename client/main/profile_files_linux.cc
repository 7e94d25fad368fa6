#include "client/main/profile_files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

const int kAlreadyExistsError = EEXIST;

int ProbePath(const std::filesystem::path& path, bool* exists) {
  struct stat info;
  *exists = lstat(path.c_str(), &info) == 0;
  if (*exists || errno == ENOENT)
    return 0;
  return errno;
}

int DeleteProfileFolder(const std::filesystem::path& folder) {
  // remove_all opens each folder without following links, so nothing
  // outside |folder| can be reached through one.
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return error.value();
}

int CreateProfileFolder(const std::filesystem::path& folder) {
  return mkdir(folder.c_str(), 0700) == 0 ? 0 : errno;
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int MoveWithoutReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                RENAME_NOREPLACE) == 0) {
    return 0;
  }
  if (errno != EINVAL && errno != ENOSYS)
    return errno;
  // A file system without the flag: a new link fails just as atomically
  // when the target exists.
  if (link(from.c_str(), to.c_str()) != 0)
    return errno;
  return unlink(from.c_str()) == 0 ? 0 : errno;
}

int WriteFileDurably(const std::filesystem::path& path,
                     const std::string& bytes) {
  const int fd =
      open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0)
    return errno;
  int error = 0;
  for (size_t done = 0; done < bytes.size() && error == 0;) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written > 0)
      done += static_cast<size_t>(written);
    else if (errno != EINTR)
      error = errno;
  }
  if (error == 0 && fsync(fd) != 0)
    error = errno;
  if (close(fd) != 0 && error == 0)
    error = errno;
  return error;
}

int RemoveFile(const std::filesystem::path& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}
