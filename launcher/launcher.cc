#include "launcher/launcher.h"

bool LaunchClient(const ClientFile& file) {
  LaunchCommand command;
  // A name too long for the command line is reported like a failed start.
  if (!ComposeLaunchCommand(file, &command))
    return false;
  return StartClient(&command);
}

int RunLauncher() {
  ClientFile file;
  ReadConfig("./bin/config.ini", &file);
  if (!LaunchClient(file))
    ShowLaunchError();
  return 0;
}
