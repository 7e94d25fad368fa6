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
// Starts the client from |install|/bin/ without waiting for it; true once it
// runs.
bool StartClient(const std::filesystem::path& install, LaunchCommand* command);
void ShowLaunchError();

// Composes the command for |file| and starts the client of |install|.
bool LaunchClient(const std::filesystem::path& install, const ClientFile& file);

// The whole launcher: read bin/config.ini of the install, start the client,
// report a failed start. Always returns 0.
int RunLauncher();

#endif  // LAUNCHER_LAUNCHER_H_
