#ifndef TESTS_CLIENT_UNDELETABLE_H_
#define TESTS_CLIENT_UNDELETABLE_H_

#include <filesystem>

// A folder that the platform refuses to delete until it is released: on
// Windows one holding a file open without delete sharing, on Linux a
// folder of the kernel's /proc.
std::filesystem::path UndeletableFolder();
void ReleaseUndeletableFolder();

#endif  // TESTS_CLIENT_UNDELETABLE_H_
