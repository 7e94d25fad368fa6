#ifndef TESTS_SUPPORT_UNIX_LINK_WIN_H_
#define TESTS_SUPPORT_UNIX_LINK_WIN_H_

#include <filesystem>

// Makes |link| a Unix symbolic link to the folder |target|, as a player
// under Wine makes one with ln to keep a folder on another disk; Wine shows
// it to Windows programs as a reparse point. False where the tests do not
// run under Wine, or the link did not appear.
bool MakeUnixFolderLink(const std::filesystem::path& target,
                        const std::filesystem::path& link);

#endif  // TESTS_SUPPORT_UNIX_LINK_WIN_H_
