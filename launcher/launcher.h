#ifndef LAUNCHER_LAUNCHER_H_
#define LAUNCHER_LAUNCHER_H_

#include <filesystem>

#include "launcher/client_file.h"
#include "launcher/launch_command.h"

// Platform half, one implementation per system.
// The folder whose bin/ holds the client: on Windows the launcher's own
// folder, since it runs elevated and the current folder is anyone's; on
// Linux the current folder, where the start script lays out each player's
// run folder. Empty when it cannot be found.
std::filesystem::path InstallFolder();
// Whether |path| can be trusted: on Windows, where the launcher runs
// elevated, it must be held, unchangeable, until the client is made, and
// changeable only by administrators or the user running it (a missing path
// passes: in a folder that passed, no one else can put anything there). On
// Linux the launcher runs as the player, in the player's own folder.
bool HoldIfTrusted(const std::filesystem::path& path);
// Starts the client from |install|/bin/ without waiting for it; true once it
// runs. On Windows the client file must be trusted too.
bool StartClient(const std::filesystem::path& install, LaunchCommand* command);
void ShowLaunchError();

// Composes the command for |file| and starts the client of |install|.
bool LaunchClient(const std::filesystem::path& install, const ClientFile& file);

// The whole launcher: check the install, read bin/config.ini, start the
// client, report a failed start. Always returns 0.
int RunLauncher();

#endif  // LAUNCHER_LAUNCHER_H_
