#ifndef CLIENT_MAIN_PROFILE_FOLDER_H_
#define CLIENT_MAIN_PROFILE_FOLDER_H_

#include <filesystem>
#include <string>

// The per-user profile folder that CEF keeps its cache, cookie store
// ("Cookies") and preferences in: %APPDATA%\ZTV on Windows, held in UTF-16
// so that every use names the same folder; on Linux $XDG_DATA_HOME/ZTV, else
// $HOME/.local/share/ZTV. Empty when the variables are unset, empty or
// relative.
std::filesystem::path GetProfileFolderPath();

// Why the engine cannot keep the profile in |folder| (not empty), as one line
// for the player's terminal with the platform's error code in |code|, or ""
// when it can. On Linux the engine takes the path as UTF-8, so other bytes
// would name another folder than the one the update reset looks after; and
// a path the file system cannot hold would fail at every step.
std::string ProfileFolderProblem(const std::filesystem::path& folder,
                                 int* code);

#endif  // CLIENT_MAIN_PROFILE_FOLDER_H_
