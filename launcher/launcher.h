#ifndef LAUNCHER_LAUNCHER_H_
#define LAUNCHER_LAUNCHER_H_

#include "launcher/client_file.h"
#include "launcher/launch_command.h"

// Platform half, one implementation per system.
// Starts the client from bin/ without waiting for it; true once it runs.
bool StartClient(LaunchCommand* command);
void ShowLaunchError();

// Composes the command for |file| and starts the client.
bool LaunchClient(const ClientFile& file);

// The whole launcher: read ./bin/config.ini, start the client, report a
// failed start. Always returns 0.
int RunLauncher();

#endif  // LAUNCHER_LAUNCHER_H_
