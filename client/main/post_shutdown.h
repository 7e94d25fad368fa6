#ifndef CLIENT_MAIN_POST_SHUTDOWN_H_
#define CLIENT_MAIN_POST_SHUTDOWN_H_

#include <filesystem>

// What the browser process does once CEF has shut down, from the version
// gate's flags: the client-outdated notice, or the update reset with its
// notices. Sets |exit_code| to 1 after a completed reset.
void RunPostShutdownActions(const std::filesystem::path& profile_folder,
                            int* exit_code);

// Deletes |profile_folder| (not empty) but keeps its "Cookies" file. Returns
// whether the folder was reset with the cookie file back in it; on failure it
// has written "update_error.log" and shown the update-error notice, and the
// cookie file is in the folder or set aside beside it.
bool ResetProfileFolder(const std::filesystem::path& profile_folder);

// Puts back a cookie file that an earlier reset set aside but could not
// return. If the folder has a cookie store again, the set-aside file is kept
// beside it under a name of its own instead. What fails is logged in
// "update_error.log" and tried again at the next start.
void RecoverSavedCookies(const std::filesystem::path& profile_folder);

// Where a reset keeps the cookie file while the folder is deleted: beside
// the folder, so that moving it there and back needs no copy.
std::filesystem::path SavedCookiesPath(
    const std::filesystem::path& profile_folder);

#endif  // CLIENT_MAIN_POST_SHUTDOWN_H_
