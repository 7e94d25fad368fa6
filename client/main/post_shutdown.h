#ifndef CLIENT_MAIN_POST_SHUTDOWN_H_
#define CLIENT_MAIN_POST_SHUTDOWN_H_

#include <filesystem>

#include "client/main/profile_files.h"
#include "client/main/update_error_log.h"

// The profile folder the engine was given: its path, and what stood there
// when it was given it. An empty path when the engine kept the profile in
// memory.
struct UsedProfileFolder {
  std::filesystem::path path;
  FolderIdentity identity;
};

// What the browser process does once CEF has shut down, from the version
// gate's flags: the client-outdated notice, or the update reset with its
// notices. |profile_folder| is the folder the engine used; |given_up| says
// why a configured folder was not used, which is told instead of any
// update. Sets |exit_code| to 1 after a completed reset.
void RunPostShutdownActions(const UsedProfileFolder& profile_folder,
                            const FileError& given_up,
                            int* exit_code);

// Wipes |profile_folder| (not empty) in place: every entry but its cookie
// file is deleted, and without a cookie file the folder itself goes unless
// a link stands for it. The cookie file never moves. The reset works in the
// folder the engine was given, and fails if another stands at its path now
// or it is gone; it never leaves the folder's mount. Returns whether the
// folder now holds nothing but its cookie file; on failure it has written
// the first error to "update_error.log" and shown the update-error notice.
bool ResetProfileFolder(const UsedProfileFolder& profile_folder);

#endif  // CLIENT_MAIN_POST_SHUTDOWN_H_
