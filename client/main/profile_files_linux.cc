#include "client/main/profile_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

const int kNotFoundError = ENOENT;
const int kNotAFolderError = ENOTDIR;
const int kNotAFileError = EINVAL;
const int kAlreadyExistsError = EEXIST;
const int kInUseError = EBUSY;
const int kNotEmptyError = ENOTEMPTY;
const int kFolderReplacedError = ESTALE;
const int kOtherMountError = EXDEV;

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

// What |name| in |dir| is, a link not followed; with an empty |name|, |dir|
// itself. A mount point is not triggered.
int StatAt(int dir, const char* name, struct statx* info) {
  const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT |
                    (name[0] == '\0' ? AT_EMPTY_PATH : 0);
  return statx(dir, name, flags, STATX_TYPE | STATX_INO | STATX_MNT_ID, info) ==
                 0
             ? 0
             : errno;
}

// A kernel too old to tell mounts apart gives 0 for every mount, and then
// the device alone tells another disk.
FolderIdentity IdentityOf(const struct statx& info) {
  FolderIdentity identity;
  identity.volume = makedev(info.stx_dev_major, info.stx_dev_minor);
  identity.file = info.stx_ino;
  identity.mount = (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : 0;
  return identity;
}

bool OnMountOf(const struct statx& info, const FolderIdentity& folder) {
  const FolderIdentity identity = IdentityOf(info);
  return identity.volume == folder.volume && identity.mount == folder.mount;
}

// Deletes the entry |name| of the open folder |dir|, which is on the mount
// of |top|. A folder is opened without following a link and looked at
// again once open, so nothing outside can be reached through one, nor
// anything mounted.
int DeleteAt(int dir, const char* name, const FolderIdentity& top) {
  struct statx info;
  int error = StatAt(dir, name, &info);
  if (error != 0)
    return error == ENOENT ? 0 : error;
  if (!OnMountOf(info, top))
    return kOtherMountError;
  if (!S_ISDIR(info.stx_mode))
    return unlinkat(dir, name, 0) == 0 || errno == ENOENT ? 0 : errno;

  const int sub =
      openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (sub < 0)
    return errno;
  error = StatAt(sub, "", &info);
  if (error == 0 && !OnMountOf(info, top))
    error = kOtherMountError;
  std::vector<std::string> names;
  if (error == 0)
    error = ListNames(sub, &names);
  for (size_t i = 0; error == 0 && i < names.size(); ++i)
    error = DeleteAt(sub, names[i].c_str(), top);
  close(sub);
  if (error != 0)
    return error;
  return unlinkat(dir, name, AT_REMOVEDIR) == 0 ? 0 : errno;
}

// Opens the folder |path| leads to, and tells what it is.
int OpenFolder(const std::filesystem::path& path,
               int* fd,
               FolderIdentity* identity) {
  *fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (*fd < 0)
    return errno;
  struct statx info;
  const int error = StatAt(*fd, "", &info);
  if (error != 0) {
    close(*fd);
    *fd = -1;
    return error;
  }
  *identity = IdentityOf(info);
  return 0;
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

int CreateFileDurably(const std::filesystem::path& path,
                      const std::string& bytes) {
  const int fd = open(
      path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0)
    return errno;
  int error = WriteAll(fd, bytes);
  if (error == 0 && fsync(fd) != 0)
    error = errno;
  if (close(fd) != 0 && error == 0)
    error = errno;
  if (error != 0)
    unlink(path.c_str());
  return error;
}

int FlushFolderOf(const std::filesystem::path& path) {
  const std::filesystem::path parent = path.parent_path();
  const int fd = open(parent.empty() ? "." : parent.c_str(),
                      O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return errno;
  const int error = fsync(fd) == 0 ? 0 : errno;
  close(fd);
  return error;
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int RemoveFile(const std::filesystem::path& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

int MakeFolderAndIdentify(const std::filesystem::path& folder,
                          FolderIdentity* identity) {
  // Private, as the engine makes it.
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    return errno;
  OpenedFolder opened;
  const int error = opened.Open(folder);
  *identity = opened.identity();
  return error;
}

OpenedFolder::~OpenedFolder() {
  if (handle_ >= 0)
    close(static_cast<int>(handle_));
}

int OpenedFolder::Open(const std::filesystem::path& path) {
  int fd = -1;
  const int error = OpenFolder(path, &fd, &identity_);
  handle_ = fd;
  return error;
}

int OpenedFolder::List(std::vector<std::filesystem::path>* names,
                       std::filesystem::path* cookies) const {
  names->clear();
  cookies->clear();
  const int dir = static_cast<int>(handle_);
  std::vector<std::string> found;
  int error = ListNames(dir, &found);
  if (error != 0)
    return error;
  // The engine opens "Cookies" by that name; on a disk that ignores case it
  // reaches the entry listed under another case, which is the same file.
  struct statx store;
  error = StatAt(dir, "Cookies", &store);
  if (error != 0 && error != ENOENT)
    return error;
  const bool has_store = error == 0 && S_ISREG(store.stx_mode);
  if (has_store &&
      std::find(found.begin(), found.end(), "Cookies") != found.end()) {
    *cookies = "Cookies";
  }
  // What cannot be looked at might be the store: nothing is told then.
  for (size_t i = 0; has_store && cookies->empty() && i < found.size(); ++i) {
    struct statx entry;
    error = StatAt(dir, found[i].c_str(), &entry);
    if (error != 0)
      return error;
    if (IdentityOf(entry) == IdentityOf(store))
      *cookies = found[i];
  }
  names->assign(found.begin(), found.end());
  return 0;
}

int OpenedFolder::Delete(const std::filesystem::path& name) const {
  return DeleteAt(static_cast<int>(handle_), name.c_str(), identity_);
}

int RemoveEmptyFolder(const std::filesystem::path& folder) {
  return rmdir(folder.c_str()) == 0 ? 0 : errno;
}

int CountNames(const std::filesystem::path& path, unsigned* names) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0)
    return errno;
  *names = static_cast<unsigned>(info.st_nlink);
  return 0;
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
