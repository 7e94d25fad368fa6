#ifndef CLIENT_MAIN_POST_SHUTDOWN_H_
#define CLIENT_MAIN_POST_SHUTDOWN_H_

#include <filesystem>

#include "client/main/update_error_log.h"

// What the browser process does once CEF has shut down, from the version
// gate's flags: the client-outdated notice, or the update reset with its
// notices. |profile_folder| is the folder the engine used (empty when it
// kept the profile in memory); |given_up| says why a configured folder was
// not used, which is told instead of any update. Sets |exit_code| to 1
// after a completed reset.
void RunPostShutdownActions(const std::filesystem::path& profile_folder,
                            const FileError& given_up,
                            int* exit_code);

// Wipes |profile_folder| (not empty) in place: every entry but its "Cookies"
// file is deleted, and without a cookie file the folder itself goes unless
// a link stands for it. The cookie file never moves. Returns whether the
// folder now holds nothing but its cookie file; on failure it has written
// "update_error.log" and shown the update-error notice.
bool ResetProfileFolder(const std::filesystem::path& profile_folder);

#endif  // CLIENT_MAIN_POST_SHUTDOWN_H_
