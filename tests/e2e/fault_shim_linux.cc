// Preloaded into the real client by the fault tests: makes one file-system
// call fail or kills the process at it, without any seam in the client.
//
// Configuration, from the environment:
//   ZTV_FAULT_ROOT      absolute folder; only calls on paths under it count,
//                       each named by the path relative to it
//   ZTV_FAULT_FOLDER    relative path of the profile folder: everything in
//                       it but "Cookies" counts as "<folder>/*"
//   ZTV_FAULT_ARM       relative path: calls count only from the first call
//                       on it on (unset: from the start)
//   ZTV_FAULT_SNAPSHOT  "<from>><to>": copies a file when arming
//   ZTV_FAULT_LOG       file to which each counted call is appended as
//                       "<call> <path>"
//   ZTV_FAULT_AT        "<call> <path>#<n>:<outcome>": the n-th such call
//                       fails with errno EIO, EACCES or ENOSPC, or the process
//                       is killed there (KILL); "*" matches every call name.
//                       "<root>/fault-hit" is written when it happens.
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <set>
#include <string>

namespace {

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using OpenAt = int (*)(int, const char*, int, ...);
using Write = ssize_t (*)(int, const void*, size_t);
using Close = int (*)(int);

std::string Env(const char* name) {
  const char* value = getenv(name);
  return value ? value : "";
}

// Everything the shim knows, behind one lock: Chromium calls from many
// threads.
class Shim {
 public:
  static Shim& Get() {
    static Shim* shim = new Shim();
    return *shim;
  }

  // Returns 0 to let the call run, or the errno it fails with.
  int Enter(const char* call, int dirfd, const char* path) {
    if (root_.empty() || !path)
      return 0;
    const std::string relative = Relative(Resolve(dirfd, path));
    if (relative.empty())
      return 0;
    return Count(call, relative);
  }

  int EnterFd(const char* call, int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = fds_.find(fd);
    if (it == fds_.end())
      return 0;
    const std::string relative = it->second;
    if (std::string(call) == "close")
      fds_.erase(it);
    return CountLocked(call, relative);
  }

  // A descriptor closed inside the C library, as closedir does, is no longer
  // the file it was.
  void Forget(int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    fds_.erase(fd);
  }

  void Opened(int fd, int dirfd, const char* path) {
    if (fd < 0 || root_.empty() || !path)
      return;
    const std::string relative = Relative(Resolve(dirfd, path));
    std::lock_guard<std::mutex> lock(mutex_);
    if (!relative.empty() && armed_)
      fds_[fd] = relative;
    else
      fds_.erase(fd);
  }

 private:
  Shim()
      : root_(Env("ZTV_FAULT_ROOT")),
        folder_(Env("ZTV_FAULT_FOLDER")),
        arm_(Env("ZTV_FAULT_ARM")),
        snapshot_(Env("ZTV_FAULT_SNAPSHOT")),
        log_(Env("ZTV_FAULT_LOG")),
        armed_(arm_.empty()) {
    const std::string at = Env("ZTV_FAULT_AT");
    const size_t hash = at.rfind('#');
    const size_t colon = at.rfind(':');
    if (hash != std::string::npos && colon != std::string::npos &&
        hash < colon) {
      target_ = at.substr(0, hash);
      occurrence_ = atoi(at.substr(hash + 1, colon - hash - 1).c_str());
      outcome_ = at.substr(colon + 1);
    }
  }

  static std::string Resolve(int dirfd, const char* path) {
    if (path[0] == '/')
      return path;
    char base[4096] = {};
    if (dirfd == AT_FDCWD) {
      if (!getcwd(base, sizeof(base) - 1))
        return "";
    } else {
      const std::string link = "/proc/self/fd/" + std::to_string(dirfd);
      if (readlink(link.c_str(), base, sizeof(base) - 1) <= 0)
        return "";
    }
    return std::string(base) + "/" + path;
  }

  std::string Relative(const std::string& path) const {
    if (path.size() <= root_.size() + 1 ||
        path.compare(0, root_.size(), root_) != 0 ||
        path[root_.size()] != '/') {
      return "";
    }
    std::string relative = path.substr(root_.size() + 1);
    const std::string inside = folder_ + "/";
    if (!folder_.empty() && relative.compare(0, inside.size(), inside) == 0 &&
        relative != inside + "Cookies") {
      relative = inside + "*";
    }
    return relative;
  }

  int Count(const char* call, const std::string& relative) {
    std::lock_guard<std::mutex> lock(mutex_);
    return CountLocked(call, relative);
  }

  int CountLocked(const char* call, const std::string& relative) {
    if (!armed_ && relative == arm_) {
      armed_ = true;
      TakeSnapshot();
    }
    if (!armed_)
      return 0;
    const std::string key = std::string(call) + " " + relative;
    Append(log_, key + "\n");
    const bool matches = key == target_ || (target_.rfind("* ", 0) == 0 &&
                                            relative == target_.substr(2));
    if (!matches || ++seen_ != occurrence_)
      return 0;
    Append(root_ + "/fault-hit", key + ":" + outcome_ + "\n");
    if (outcome_ == "KILL")
      raise(SIGKILL);
    if (outcome_ == "EIO")
      return EIO;
    if (outcome_ == "EACCES")
      return EACCES;
    return ENOSPC;
  }

  static void Append(const std::string& file, const std::string& text) {
    if (file.empty())
      return;
    const int fd =
        Next<OpenAt>("openat")(AT_FDCWD, file.c_str(),
                               O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
      return;
    if (Next<Write>("write")(fd, text.data(), text.size()) < 0)
      errno = 0;
    Next<Close>("close")(fd);
  }

  void TakeSnapshot() {
    const size_t arrow = snapshot_.find('>');
    if (arrow == std::string::npos)
      return;
    const std::string from = root_ + "/" + snapshot_.substr(0, arrow);
    const std::string to = root_ + "/" + snapshot_.substr(arrow + 1);
    const int in =
        Next<OpenAt>("openat")(AT_FDCWD, from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
      return;
    std::string bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = read(in, buffer, sizeof(buffer))) > 0)
      bytes.append(buffer, static_cast<size_t>(got));
    Next<Close>("close")(in);
    Append(to, bytes);
  }

  const std::string root_;
  const std::string folder_;
  const std::string arm_;
  const std::string snapshot_;
  const std::string log_;
  std::string target_;
  int occurrence_ = 0;
  std::string outcome_;
  std::mutex mutex_;
  bool armed_;
  int seen_ = 0;
  // Descriptors opened under the root since arming.
  std::map<int, std::string> fds_;
};

// Runs |call| unless the shim fails it.
template <typename Call>
auto Guard(int error, Call call) -> decltype(call()) {
  if (error != 0) {
    errno = error;
    return -1;
  }
  return call();
}

mode_t ModeArgument(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
}

int OpenAtGuarded(const char* name,
                  int dirfd,
                  const char* path,
                  int flags,
                  mode_t mode) {
  const int fd = Guard(Shim::Get().Enter(name, dirfd, path), [&] {
    return Next<OpenAt>("openat")(dirfd, path, flags, mode);
  });
  Shim::Get().Opened(fd, dirfd, path);
  return fd;
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArgument(flags, args);
  va_end(args);
  return OpenAtGuarded("open", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArgument(flags, args);
  va_end(args);
  return OpenAtGuarded("openat", dirfd, path, flags, mode);
}

// The 64-bit names are the same calls here.
int open64(const char* path, int flags, ...) __attribute__((alias("open")));
int openat64(int dirfd, const char* path, int flags, ...)
    __attribute__((alias("openat")));

int lstat(const char* path, struct stat* info) {
  using F = int (*)(const char*, struct stat*);
  return Guard(Shim::Get().Enter("lstat", AT_FDCWD, path),
               [&] { return Next<F>("lstat")(path, info); });
}

int mkdir(const char* path, mode_t mode) {
  using F = int (*)(const char*, mode_t);
  return Guard(Shim::Get().Enter("mkdir", AT_FDCWD, path),
               [&] { return Next<F>("mkdir")(path, mode); });
}

int rename(const char* from, const char* to) {
  using F = int (*)(const char*, const char*);
  return Guard(Shim::Get().Enter("rename", AT_FDCWD, from),
               [&] { return Next<F>("rename")(from, to); });
}

int renameat2(int from_dir,
              const char* from,
              int to_dir,
              const char* to,
              unsigned int flags) {
  using F = int (*)(int, const char*, int, const char*, unsigned int);
  return Guard(Shim::Get().Enter("renameat2", from_dir, from), [&] {
    return Next<F>("renameat2")(from_dir, from, to_dir, to, flags);
  });
}

int unlinkat(int dirfd, const char* path, int flags) {
  using F = int (*)(int, const char*, int);
  const char* name = (flags & AT_REMOVEDIR) ? "rmdirat" : "unlinkat";
  return Guard(Shim::Get().Enter(name, dirfd, path),
               [&] { return Next<F>("unlinkat")(dirfd, path, flags); });
}

int remove(const char* path) {
  using F = int (*)(const char*);
  return Guard(Shim::Get().Enter("remove", AT_FDCWD, path),
               [&] { return Next<F>("remove")(path); });
}

ssize_t write(int fd, const void* data, size_t size) {
  return Guard(Shim::Get().EnterFd("write", fd),
               [&] { return Next<Write>("write")(fd, data, size); });
}

int fsync(int fd) {
  using F = int (*)(int);
  return Guard(Shim::Get().EnterFd("fsync", fd),
               [&] { return Next<F>("fsync")(fd); });
}

int closedir(DIR* dir) {
  using F = int (*)(DIR*);
  Shim::Get().Forget(dirfd(dir));
  return Next<F>("closedir")(dir);
}

int close(int fd) {
  // A failed close still releases the descriptor.
  const int error = Shim::Get().EnterFd("close", fd);
  const int result = Next<Close>("close")(fd);
  if (error == 0)
    return result;
  errno = error;
  return -1;
}

}  // extern "C"
