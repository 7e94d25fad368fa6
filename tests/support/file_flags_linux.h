#ifndef TESTS_SUPPORT_FILE_FLAGS_LINUX_H_
#define TESTS_SUPPORT_FILE_FLAGS_LINUX_H_

#include <filesystem>

// Sets or clears the immutable flag of |path| (root only, and not on every
// file system); false when it could not.
bool SetImmutable(const std::filesystem::path& path, bool on);

#endif  // TESTS_SUPPORT_FILE_FLAGS_LINUX_H_
