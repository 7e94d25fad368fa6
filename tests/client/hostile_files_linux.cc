#include "tests/client/hostile_files.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include "tests/support/file_flags_linux.h"
#include "tests/support/test_files.h"

std::filesystem::path UndeletableFolder() {
  // Not even root may remove what the kernel shows there.
  return "/proc/self/fdinfo";
}

void ReleaseUndeletableFolder() {}

bool ProtectFile(const std::filesystem::path& path) {
  return SetImmutable(path, true);
}

void UnprotectFile(const std::filesystem::path& path) {
  SetImmutable(path, false);
}

void WriteFileNamedExactly(const std::filesystem::path& path,
                           const std::string& bytes) {
  WriteFileBytes(path, bytes);
}

bool MakeFifo(const std::filesystem::path& path) {
  return mkfifo(path.c_str(), 0644) == 0;
}

bool MountAt(const std::filesystem::path& at,
             const std::filesystem::path* bind_of) {
  if (bind_of)
    return mount(bind_of->c_str(), at.c_str(), nullptr, MS_BIND, nullptr) == 0;
  return mount("ztv-test", at.c_str(), "tmpfs", 0, "size=1m") == 0;
}

void Unmount(const std::filesystem::path& at) {
  umount2(at.c_str(), MNT_DETACH);
}
