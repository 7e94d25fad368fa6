#include "client/main/profile_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

const int kNotFoundError = ENOENT;
const int kNotAFolderError = ENOTDIR;
const int kNotAFileError = EINVAL;
const int kAlreadyExistsError = EEXIST;
const int kInUseError = EBUSY;
const int kNotEmptyError = ENOTEMPTY;

const char kLogLineEnd[] = "\n";

namespace {

PathKind KindOf(mode_t mode) {
  if (S_ISREG(mode))
    return PathKind::kFile;
  if (S_ISDIR(mode))
    return PathKind::kFolder;
  if (S_ISLNK(mode))
    return PathKind::kLink;
  return PathKind::kOther;
}

// Sets |kind| from stat() or lstat()'s result; only ENOENT is "absent".
int KindFromStat(int result, const struct stat& info, PathKind* kind) {
  if (result == 0) {
    *kind = KindOf(info.st_mode);
    return 0;
  }
  *kind = PathKind::kAbsent;
  return errno == ENOENT ? 0 : errno;
}

// The error of a descriptor that is not a regular file, or 0.
int RegularFileError(int fd) {
  struct stat info;
  if (fstat(fd, &info) != 0)
    return errno;
  if (S_ISDIR(info.st_mode))
    return EISDIR;
  return S_ISREG(info.st_mode) ? 0 : kNotAFileError;
}

int WriteAll(int fd, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written > 0)
      done += static_cast<size_t>(written);
    else if (errno != EINTR)
      return errno;
  }
  return 0;
}

// The names in the open folder |dir|, which stays open.
int ListNames(int dir, std::vector<std::string>* names) {
  names->clear();
  const int own = dup(dir);
  DIR* listing = own < 0 ? nullptr : fdopendir(own);
  if (!listing) {
    const int error = errno;
    if (own >= 0)
      close(own);
    return error;
  }
  int error = 0;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(listing);
    if (!entry) {
      error = errno;
      break;
    }
    if (std::strcmp(entry->d_name, ".") != 0 &&
        std::strcmp(entry->d_name, "..") != 0) {
      names->emplace_back(entry->d_name);
    }
  }
  closedir(listing);
  return error;
}

// Deletes the entry |name| of the open folder |dir|. A folder is opened
// without following a link, so nothing outside can be reached through one.
int DeleteAt(int dir, const char* name) {
  struct stat info;
  if (fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT ? 0 : errno;
  if (!S_ISDIR(info.st_mode))
    return unlinkat(dir, name, 0) == 0 || errno == ENOENT ? 0 : errno;

  const int sub =
      openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (sub < 0)
    return errno;
  std::vector<std::string> names;
  int error = ListNames(sub, &names);
  for (size_t i = 0; error == 0 && i < names.size(); ++i)
    error = DeleteAt(sub, names[i].c_str());
  close(sub);
  if (error != 0)
    return error;
  return unlinkat(dir, name, AT_REMOVEDIR) == 0 ? 0 : errno;
}

}  // namespace

int ProbePath(const std::filesystem::path& path, PathKind* kind) {
  struct stat info;
  const int result = lstat(path.c_str(), &info);
  return KindFromStat(result, info, kind);
}

int ProbeLinkTarget(const std::filesystem::path& path, PathKind* kind) {
  struct stat info;
  const int result = stat(path.c_str(), &info);
  return KindFromStat(result, info, kind);
}

int ReadRegularFile(const std::filesystem::path& path,
                    std::string* bytes,
                    bool* found) {
  *found = true;
  bytes->clear();
  // Non-blocking, so that a pipe or a device under that name cannot hold
  // the start up; it is refused below.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    PathKind kind = PathKind::kAbsent;
    if (error == ENOENT && ProbePath(path, &kind) == 0 &&
        kind == PathKind::kAbsent) {
      *found = false;
    }
    return error;
  }
  int error = RegularFileError(fd);
  char buffer[4096];
  while (error == 0) {
    const ssize_t got = read(fd, buffer, sizeof(buffer));
    if (got > 0)
      bytes->append(buffer, static_cast<size_t>(got));
    else if (got == 0)
      break;
    else if (errno != EINTR)
      error = errno;
  }
  close(fd);
  return error;
}

int WriteFileDurably(const std::filesystem::path& path,
                     const std::string& bytes) {
  // Truncated only once it is known to be a regular file of its own.
  const int fd =
      open(path.c_str(),
           O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0)
    return errno;
  int error = RegularFileError(fd);
  if (error == 0 && ftruncate(fd, 0) != 0)
    error = errno;
  if (error == 0)
    error = WriteAll(fd, bytes);
  if (error == 0 && fsync(fd) != 0)
    error = errno;
  if (close(fd) != 0 && error == 0)
    error = errno;
  return error;
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int RemoveFile(const std::filesystem::path& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

int ListFolder(const std::filesystem::path& folder,
               std::vector<std::filesystem::path>* names) {
  names->clear();
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return errno;
  std::vector<std::string> found;
  const int error = ListNames(fd, &found);
  close(fd);
  names->assign(found.begin(), found.end());
  return error;
}

int DeleteEntry(const std::filesystem::path& entry) {
  return DeleteAt(AT_FDCWD, entry.c_str());
}

int RemoveEmptyFolder(const std::filesystem::path& folder) {
  return rmdir(folder.c_str()) == 0 ? 0 : errno;
}

int IsFileStillOpen(const std::filesystem::path& path, bool* in_use) {
  *in_use = false;
  struct stat file;
  if (stat(path.c_str(), &file) != 0)
    return errno == ENOENT ? 0 : errno;
  DIR* descriptors = opendir("/proc/self/fd");
  if (!descriptors)
    return errno;
  const int own = dirfd(descriptors);
  for (const dirent* entry = readdir(descriptors); entry && !*in_use;
       entry = readdir(descriptors)) {
    struct stat open_file;
    const int fd = std::atoi(entry->d_name);
    if (entry->d_name[0] != '.' && fd != own && fstat(fd, &open_file) == 0) {
      *in_use =
          open_file.st_dev == file.st_dev && open_file.st_ino == file.st_ino;
    }
  }
  closedir(descriptors);
  return 0;
}
