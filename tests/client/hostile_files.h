#ifndef TESTS_CLIENT_HOSTILE_FILES_H_
#define TESTS_CLIENT_HOSTILE_FILES_H_

#include <filesystem>
#include <string>

// Files of the kinds the platform makes hard for the client, made for real.

// A folder that the platform refuses to delete until it is released: on
// Windows one holding a file open without delete sharing, on Linux a
// folder of the kernel's /proc.
std::filesystem::path UndeletableFolder();
void ReleaseUndeletableFolder();

// Makes the file |path| one that cannot be replaced or written, as far as
// this platform and user can: the immutable flag on Linux (root only), a
// ProtectedFile on Windows. Returns false if it cannot.
bool ProtectFile(const std::filesystem::path& path);
void UnprotectFile(const std::filesystem::path& path);

// Makes |link| a symbolic link to |target| (a folder's with |folder|).
// False where the platform cannot, or does not show it to the client as a
// link (Wine shows a Unix link as what it points to).
bool MakeLink(const std::filesystem::path& target,
              const std::filesystem::path& link,
              bool folder);

// Makes a file of |bytes| under exactly the name of |path|, even one that
// Windows' plain paths would clean up into another (a trailing dot or
// space).
void WriteFileNamedExactly(const std::filesystem::path& path,
                           const std::string& bytes);

// Makes a named pipe at |path|; false where the platform has none.
bool MakeFifo(const std::filesystem::path& path);

// Mounts on the empty folder |at| a small disk of its own, or with
// |bind_of| that folder of the same disk. False where this platform or user
// cannot (Windows; Linux without root).
bool MountAt(const std::filesystem::path& at,
             const std::filesystem::path* bind_of);
void Unmount(const std::filesystem::path& at);

#endif  // TESTS_CLIENT_HOSTILE_FILES_H_
