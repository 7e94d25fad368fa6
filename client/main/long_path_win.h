#ifndef CLIENT_MAIN_LONG_PATH_WIN_H_
#define CLIENT_MAIN_LONG_PATH_WIN_H_

#include <filesystem>
#include <string>

// |path| in the form Win32's file functions take at any length and by exact
// name: made absolute against the working folder, with the \\?\ prefix
// in front, which lifts the MAX_PATH limit and keeps the last name as it
// is. Without it, a path past that limit reads as "path not found", which
// the reset would take for "already gone", and an entry "Cookies." of the
// profile folder is taken for its cookie file.
std::wstring ExtendedLengthPath(const std::filesystem::path& path);

#endif  // CLIENT_MAIN_LONG_PATH_WIN_H_
