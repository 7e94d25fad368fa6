#include "qtcef/src/network/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include <QFile>

namespace qtcef {

namespace {

bool WriteAll(int fd, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t written = write(fd, bytes.constData() + done,
                                  static_cast<size_t>(bytes.size() - done));
    if (written > 0)
      done += written;
    else if (errno != EINTR)
      return false;
  }
  return true;
}

// Removes every entry of the open folder |dir| that is on the disk |disk|.
void RemoveEntries(int dir, dev_t disk) {
  std::vector<std::string> names;
  const int listed = dup(dir);
  DIR* listing = listed < 0 ? nullptr : fdopendir(listed);
  if (!listing) {
    if (listed >= 0)
      close(listed);
    return;
  }
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..")
      names.push_back(name);
  }
  closedir(listing);
  for (const std::string& name : names) {
    struct stat info;
    if (fstatat(dir, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        info.st_dev != disk) {
      continue;
    }
    if (!S_ISDIR(info.st_mode)) {
      unlinkat(dir, name.c_str(), 0);
      continue;
    }
    const int sub = openat(dir, name.c_str(),
                           O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (sub < 0)
      continue;
    if (fstat(sub, &info) == 0 && info.st_dev == disk)
      RemoveEntries(sub, disk);
    close(sub);
    unlinkat(dir, name.c_str(), AT_REMOVEDIR);
  }
}

}  // namespace

QByteArray ReadProfileFile(const QString& path) {
  QByteArray bytes;
  const QByteArray name = QFile::encodeName(path);
  const int fd =
      open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return bytes;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    char buffer[4096];
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof(buffer));
      if (got > 0) {
        bytes.append(buffer, got);
      } else if (got == 0 || errno != EINTR) {
        if (got < 0)
          bytes.clear();
        break;
      }
    }
  }
  close(fd);
  return bytes;
}

bool ReplaceProfileFile(const QString& path, const QByteArray& bytes) {
  const QByteArray name = QFile::encodeName(path);
  const QByteArray temporary = name + ".tmp";
  if (unlink(temporary.constData()) != 0 && errno != ENOENT)
    return false;
  const int fd =
      open(temporary.constData(),
           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0)
    return false;
  bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (written && rename(temporary.constData(), name.constData()) == 0)
    return true;
  unlink(temporary.constData());
  return false;
}

bool IsOpenInThisProcess(const QString& path) {
  struct stat file;
  if (stat(QFile::encodeName(path).constData(), &file) != 0)
    return false;
  DIR* descriptors = opendir("/proc/self/fd");
  if (!descriptors)
    return false;
  const int own = dirfd(descriptors);
  bool found = false;
  // fstat of each descriptor, rather than reading its link: Chromium holds
  // hundreds, and this runs every millisecond while the store closes.
  while (const dirent* entry = readdir(descriptors)) {
    struct stat info;
    const int fd = atoi(entry->d_name);
    if (entry->d_name[0] != '.' && fd != own && fstat(fd, &info) == 0 &&
        info.st_dev == file.st_dev && info.st_ino == file.st_ino) {
      found = true;
      break;
    }
  }
  closedir(descriptors);
  return found;
}

void RemoveFolderTree(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  const int fd =
      open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    unlink(name.constData());
    return;
  }
  struct stat info;
  if (fstat(fd, &info) == 0)
    RemoveEntries(fd, info.st_dev);
  close(fd);
  rmdir(name.constData());
}

}  // namespace qtcef
