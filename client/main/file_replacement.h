#ifndef CLIENT_MAIN_FILE_REPLACEMENT_H_
#define CLIENT_MAIN_FILE_REPLACEMENT_H_

#include <filesystem>
#include <string>

// Where the new content of |path| is written before it takes the name:
// "<name>.tmp" beside it.
std::filesystem::path ReplacementPath(const std::filesystem::path& path);

// Makes |bytes| the whole content of the file |path| in one step: they go
// to a new file at ReplacementPath(|path|), which is flushed and then moved
// over |path|, and the move is flushed. A kill or a full disk at any moment
// leaves the old file whole, and a second name the old file has elsewhere
// (a hard link) keeps the old bytes: nothing is ever written into it.
// Anything but a regular file or nothing at |path| (a link, a folder, a
// pipe) is left alone, an error. Returns 0 or the platform's error code.
int ReplaceFileDurably(const std::filesystem::path& path,
                       const std::string& bytes);

#endif  // CLIENT_MAIN_FILE_REPLACEMENT_H_
