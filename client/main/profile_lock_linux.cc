#include "client/main/profile_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/x11_display_linux.h"

namespace {

unsigned long ReadHolder(int fd) {
  char text[24] = {};
  if (pread(fd, text, sizeof(text) - 1, 0) <= 0)
    return 0;
  return std::strtoul(text, nullptr, 10);
}

}  // namespace

ProfileLock::~ProfileLock() {
  if (file_ >= 0)
    close(static_cast<int>(file_));
}

ProfileLock::Result ProfileLock::Acquire(
    const std::filesystem::path& profile_folder) {
  const std::filesystem::path path = PathFor(profile_folder);
  // The engine would create the parent for the folder anyway.
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  // Close-on-exec: the engine's helper processes must not hold it on. A
  // link is never followed, so no file elsewhere is emptied and written
  // to, and a pipe or device under that name never holds the start up.
  const int fd =
      open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
           0600);
  if (fd < 0) {
    error_ = errno;
    return Result::kFailed;
  }
  struct stat info;
  if (fstat(fd, &info) != 0)
    error_ = errno;
  else if (!S_ISREG(info.st_mode))
    error_ = EINVAL;
  // A second name would make the process ID written below land in a file
  // elsewhere; the lock cannot be replaced, as another start may hold it.
  else if (info.st_nlink > 1)
    error_ = EMLINK;
  if (error_ != 0) {
    close(fd);
    return Result::kFailed;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error_ = errno;
    if (error_ == EWOULDBLOCK)
      holder_ = ReadHolder(fd);
    close(fd);
    return error_ == EWOULDBLOCK ? Result::kHeldElsewhere : Result::kFailed;
  }
  file_ = fd;
  // The process ID only helps a second start find the window, so a failed
  // write costs nothing else.
  const std::string pid = std::to_string(getpid());
  if (ftruncate(fd, 0) == 0 && pwrite(fd, pid.data(), pid.size(), 0) < 0)
    error_ = errno;
  return Result::kAcquired;
}

void ProfileLock::ShowHolder() const {
  if (holder_ != 0)
    platform::SharedX11Display()->RaiseWindowsOfProcess(holder_);
}
