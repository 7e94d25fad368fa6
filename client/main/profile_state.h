#ifndef CLIENT_MAIN_PROFILE_STATE_H_
#define CLIENT_MAIN_PROFILE_STATE_H_

#include <filesystem>

#include "client/main/profile_files.h"
#include "client/main/update_error_log.h"

// The engine's cookie store, directly in the profile folder.
extern const char kCookieFileName[];

// What a start finds in the player's profile folder before the engine opens
// it. Returns no failure when the engine may keep the profile there: the
// folder (or a link to one) is there or absent, and its cookie store is a
// regular file or absent. It fails, naming the path, when the folder is a
// link to nothing (a disk that is not mounted) or not a folder, when the
// cookie store is something else, when anything cannot be looked at, and
// when the store is absent while one that an earlier version set aside
// beside the folder is there: the engine would begin a new store while the
// player's own waits elsewhere.
FileError CheckProfileFolder(const std::filesystem::path& folder);

// Gives the cookie file in |folder| a file of its own, with the same bytes,
// when it has a second name elsewhere (a backup made of hard links): the
// engine writes the store in place, and would change that other file too.
// Only under the folder's lock, before the engine opens the store.
FileError SeparateCookieFile(const std::filesystem::path& folder);

// Sets |only| to whether |folder| holds nothing but its cookie file, or is
// not there at all. An error when that cannot be told.
int HoldsOnlyCookies(const std::filesystem::path& folder, bool* only);

// Whether the opened folder |folder| holds nothing but its cookie file.
int HoldsOnlyCookies(const OpenedFolder& folder, bool* only);

#endif  // CLIENT_MAIN_PROFILE_STATE_H_
