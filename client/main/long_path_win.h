#ifndef CLIENT_MAIN_LONG_PATH_WIN_H_
#define CLIENT_MAIN_LONG_PATH_WIN_H_

#include <filesystem>
#include <string>

// |path| in the form Win32's file functions take at any length: made
// absolute against the working folder, then given the \\?\ prefix, which
// lifts the MAX_PATH limit. Without it, a path past that limit reads as
// "path not found", which the reset would take for "already gone".
std::wstring ExtendedLengthPath(const std::filesystem::path& path);

#endif  // CLIENT_MAIN_LONG_PATH_WIN_H_
