#ifndef CLIENT_MAIN_PROFILE_FOLDER_H_
#define CLIENT_MAIN_PROFILE_FOLDER_H_

#include <filesystem>

// The per-user profile folder that CEF keeps its cache, cookie store
// ("Cookies") and preferences in: %APPDATA%\ZTV on Windows, held in UTF-16
// so that every use names the same folder; on Linux $XDG_DATA_HOME/ZTV, else
// $HOME/.local/share/ZTV. Empty when the variables are unset or empty.
std::filesystem::path GetProfileFolderPath();

#endif  // CLIENT_MAIN_PROFILE_FOLDER_H_
