#ifndef CLIENT_MAIN_PROFILE_FILES_H_
#define CLIENT_MAIN_PROFILE_FILES_H_

#include <filesystem>

// Platform file operations of the update reset. Each returns 0 on success,
// else the platform's error code.

// Deletes |folder| and everything in it, outright (no recycle bin) and
// without any dialog.
int DeleteProfileFolder(const std::filesystem::path& folder);

// Creates |folder| (its parent must exist).
int CreateProfileFolder(const std::filesystem::path& folder);

// Moves |from| to |to|, replacing a file already at |to|.
int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to);

#endif  // CLIENT_MAIN_PROFILE_FILES_H_
