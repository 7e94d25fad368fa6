// Preloaded into the real client by the fault tests: makes one of the
// client's own file-system calls fail, or kills the process at it, without
// any seam in the client. Only calls made from the program's own code in the
// browser process count; those of Qt WebEngine and Chromium, in their
// libraries, and those of the engine's sub-processes never do.
//
// Configuration, from the environment:
//   ZTV_FAULT_ROOT    absolute folder; only calls on paths under it count,
//                     each named by the path relative to it
//   ZTV_FAULT_FOLDER  relative path of the profile folder: everything in it
//                     but "Cookies" counts as "<folder>/*"
//   ZTV_FAULT_LOG     file to which each counted call is appended as
//                     "<call> <path>"
//   ZTV_FAULT_AT      "<call> <path>#<n>:<outcome>": the n-th such call
//                     fails with errno EIO, EACCES or ENOSPC, or the process
//                     is killed there (KILL), or a write writes only half
//                     (SHORT), or the call waits two seconds before it runs
//                     (STALL), for another start to come meanwhile.
//                     "<root>/fault-hit" is written when it happens.
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <link.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// What Count returns for outcomes that let the call run: a write cut short,
// and any other call.
constexpr int kShortWrite = -1;

using OpenAt = int (*)(int, const char*, int, ...);
using Write = ssize_t (*)(int, const void*, size_t);
using Close = int (*)(int);

std::string Env(const char* name) {
  const char* value = getenv(name);
  return value ? value : "";
}

// Whether this process is one the engine started for itself: its command
// line carries a --type= switch.
bool IsSubProcess() {
  const int fd = Next<OpenAt>("openat")(AT_FDCWD, "/proc/self/cmdline",
                                        O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  std::string arguments;
  char buffer[4096];
  ssize_t got = 0;
  using Read = ssize_t (*)(int, void*, size_t);
  while ((got = Next<Read>("read")(fd, buffer, sizeof(buffer))) > 0)
    arguments.append(buffer, static_cast<size_t>(got));
  Next<Close>("close")(fd);
  return arguments.find(std::string("\0--type=", 8)) != std::string::npos;
}

// The executable segments of the program itself, the first object the
// dynamic linker lists.
int AddProgramSegments(dl_phdr_info* info, size_t, void* data) {
  auto* ranges =
      static_cast<std::vector<std::pair<uintptr_t, uintptr_t>>*>(data);
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& header = info->dlpi_phdr[i];
    if (header.p_type == PT_LOAD && (header.p_flags & PF_X)) {
      const uintptr_t begin = info->dlpi_addr + header.p_vaddr;
      ranges->emplace_back(begin, begin + header.p_memsz);
    }
  }
  return 1;
}

// Everything the shim knows, behind one lock: Chromium calls from many
// threads.
class Shim {
 public:
  static Shim& Get() {
    static Shim* shim = new Shim();
    return *shim;
  }

  bool FromProgram(const void* caller) const {
    const auto address = reinterpret_cast<uintptr_t>(caller);
    for (const auto& range : program_)
      if (address >= range.first && address < range.second)
        return true;
    return false;
  }

  // Returns 0 to let the call run, or the errno it fails with.
  int Enter(const void* caller, const char* call, int dirfd, const char* path) {
    if (root_.empty() || !path || !FromProgram(caller))
      return 0;
    const std::string relative = Relative(Resolve(dirfd, path));
    if (relative.empty())
      return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    return Count(call, relative);
  }

  int EnterFd(const void* caller, const char* call, int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = fds_.find(fd);
    if (it == fds_.end())
      return 0;
    const std::string relative = it->second;
    if (std::string(call) == "close")
      fds_.erase(it);
    return FromProgram(caller) ? Count(call, relative) : 0;
  }

  // A duplicate is the same file, listed through as closedir does.
  void Duplicated(int fd, int copy) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = fds_.find(fd);
    if (copy < 0)
      return;
    if (it != fds_.end())
      fds_[copy] = it->second;
    else
      fds_.erase(copy);
  }

  // A descriptor closed inside the C library, as closedir does, is no longer
  // the file it was.
  void Forget(int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    fds_.erase(fd);
  }

  void Opened(const void* caller, int fd, int dirfd, const char* path) {
    if (fd < 0 || root_.empty() || !path)
      return;
    const std::string relative =
        FromProgram(caller) ? Relative(Resolve(dirfd, path)) : "";
    std::lock_guard<std::mutex> lock(mutex_);
    if (!relative.empty())
      fds_[fd] = relative;
    else
      fds_.erase(fd);
  }

 private:
  Shim()
      : root_(IsSubProcess() ? "" : Env("ZTV_FAULT_ROOT")),
        folder_(Env("ZTV_FAULT_FOLDER")),
        log_(Env("ZTV_FAULT_LOG")) {
    dl_iterate_phdr(AddProgramSegments, &program_);
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
    const std::string key = std::string(call) + " " + relative;
    Append(log_, key + "\n");
    if (key != target_ || ++seen_ != occurrence_)
      return 0;
    Append(root_ + "/fault-hit", key + ":" + outcome_ + "\n");
    if (outcome_ == "KILL")
      raise(SIGKILL);
    if (outcome_ == "STALL") {
      sleep(2);
      return 0;
    }
    if (outcome_ == "SHORT")
      return kShortWrite;
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
                               O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0)
      return;
    if (Next<Write>("write")(fd, text.data(), text.size()) < 0)
      errno = 0;
    Next<Close>("close")(fd);
  }

  const std::string root_;
  const std::string folder_;
  const std::string log_;
  std::vector<std::pair<uintptr_t, uintptr_t>> program_;
  std::string target_;
  int occurrence_ = 0;
  std::string outcome_;
  std::mutex mutex_;
  int seen_ = 0;
  // Descriptors the program opened under the root.
  std::map<int, std::string> fds_;
};

// Runs |call| unless the shim fails it.
template <typename Call>
auto Guard(int error, Call call) -> decltype(call()) {
  if (error > 0) {
    errno = error;
    return -1;
  }
  return call();
}

mode_t ModeArgument(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
}

int OpenAtGuarded(const void* caller,
                  const char* name,
                  int dirfd,
                  const char* path,
                  int flags,
                  mode_t mode) {
  const int fd = Guard(Shim::Get().Enter(caller, name, dirfd, path), [&] {
    return Next<OpenAt>("openat")(dirfd, path, flags, mode);
  });
  Shim::Get().Opened(caller, fd, dirfd, path);
  return fd;
}

#define CALLER __builtin_return_address(0)

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArgument(flags, args);
  va_end(args);
  return OpenAtGuarded(CALLER, "open", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArgument(flags, args);
  va_end(args);
  return OpenAtGuarded(CALLER, "openat", dirfd, path, flags, mode);
}

// The 64-bit names are the same calls here.
int open64(const char* path, int flags, ...) __attribute__((alias("open")));
int openat64(int dirfd, const char* path, int flags, ...)
    __attribute__((alias("openat")));

int lstat(const char* path, struct stat* info) {
  using F = int (*)(const char*, struct stat*);
  return Guard(Shim::Get().Enter(CALLER, "lstat", AT_FDCWD, path),
               [&] { return Next<F>("lstat")(path, info); });
}

int stat(const char* path, struct stat* info) {
  using F = int (*)(const char*, struct stat*);
  return Guard(Shim::Get().Enter(CALLER, "stat", AT_FDCWD, path),
               [&] { return Next<F>("stat")(path, info); });
}

int fstatat(int dirfd, const char* path, struct stat* info, int flags) {
  using F = int (*)(int, const char*, struct stat*, int);
  return Guard(Shim::Get().Enter(CALLER, "fstatat", dirfd, path),
               [&] { return Next<F>("fstatat")(dirfd, path, info, flags); });
}

int statx(int dirfd,
          const char* path,
          int flags,
          unsigned mask,
          struct statx* info) {
  using F = int (*)(int, const char*, int, unsigned, struct statx*);
  // With an empty path the descriptor itself is looked at.
  const int error = (flags & AT_EMPTY_PATH) && path && path[0] == '\0'
                        ? Shim::Get().EnterFd(CALLER, "statx", dirfd)
                        : Shim::Get().Enter(CALLER, "statx", dirfd, path);
  return Guard(
      error, [&] { return Next<F>("statx")(dirfd, path, flags, mask, info); });
}

int dup(int fd) {
  using F = int (*)(int);
  const int copy = Next<F>("dup")(fd);
  Shim::Get().Duplicated(fd, copy);
  return copy;
}

int fstat(int fd, struct stat* info) {
  using F = int (*)(int, struct stat*);
  return Guard(Shim::Get().EnterFd(CALLER, "fstat", fd),
               [&] { return Next<F>("fstat")(fd, info); });
}

int mkdir(const char* path, mode_t mode) {
  using F = int (*)(const char*, mode_t);
  return Guard(Shim::Get().Enter(CALLER, "mkdir", AT_FDCWD, path),
               [&] { return Next<F>("mkdir")(path, mode); });
}

int rmdir(const char* path) {
  using F = int (*)(const char*);
  return Guard(Shim::Get().Enter(CALLER, "rmdir", AT_FDCWD, path),
               [&] { return Next<F>("rmdir")(path); });
}

int rename(const char* from, const char* to) {
  using F = int (*)(const char*, const char*);
  return Guard(Shim::Get().Enter(CALLER, "rename", AT_FDCWD, from),
               [&] { return Next<F>("rename")(from, to); });
}

int unlink(const char* path) {
  using F = int (*)(const char*);
  return Guard(Shim::Get().Enter(CALLER, "unlink", AT_FDCWD, path),
               [&] { return Next<F>("unlink")(path); });
}

int unlinkat(int dirfd, const char* path, int flags) {
  using F = int (*)(int, const char*, int);
  const char* name = (flags & AT_REMOVEDIR) ? "rmdirat" : "unlinkat";
  return Guard(Shim::Get().Enter(CALLER, name, dirfd, path),
               [&] { return Next<F>("unlinkat")(dirfd, path, flags); });
}

ssize_t read(int fd, void* data, size_t size) {
  using F = ssize_t (*)(int, void*, size_t);
  return Guard(Shim::Get().EnterFd(CALLER, "read", fd),
               [&] { return Next<F>("read")(fd, data, size); });
}

ssize_t write(int fd, const void* data, size_t size) {
  const int error = Shim::Get().EnterFd(CALLER, "write", fd);
  if (error == kShortWrite && size > 1)
    size /= 2;
  return Guard(error, [&] { return Next<Write>("write")(fd, data, size); });
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
  using F = ssize_t (*)(int, const void*, size_t, off_t);
  return Guard(Shim::Get().EnterFd(CALLER, "pwrite", fd),
               [&] { return Next<F>("pwrite")(fd, data, size, offset); });
}

int fsync(int fd) {
  using F = int (*)(int);
  return Guard(Shim::Get().EnterFd(CALLER, "fsync", fd),
               [&] { return Next<F>("fsync")(fd); });
}

int ftruncate(int fd, off_t length) {
  using F = int (*)(int, off_t);
  return Guard(Shim::Get().EnterFd(CALLER, "ftruncate", fd),
               [&] { return Next<F>("ftruncate")(fd, length); });
}

int flock(int fd, int operation) {
  using F = int (*)(int, int);
  return Guard(Shim::Get().EnterFd(CALLER, "flock", fd),
               [&] { return Next<F>("flock")(fd, operation); });
}

struct dirent* readdir(DIR* dir) {
  using F = struct dirent* (*)(DIR*);
  const int error = Shim::Get().EnterFd(CALLER, "readdir", dirfd(dir));
  if (error > 0) {
    errno = error;
    return nullptr;
  }
  return Next<F>("readdir")(dir);
}

int closedir(DIR* dir) {
  using F = int (*)(DIR*);
  Shim::Get().Forget(dirfd(dir));
  return Next<F>("closedir")(dir);
}

int close(int fd) {
  // A failed close still releases the descriptor.
  const int error = Shim::Get().EnterFd(CALLER, "close", fd);
  const int result = Next<Close>("close")(fd);
  if (error <= 0)
    return result;
  errno = error;
  return -1;
}

}  // extern "C"
