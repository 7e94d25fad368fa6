#include "launcher/launcher.h"

bool LaunchClient(const std::filesystem::path& install,
                  const ClientFile& file) {
  LaunchCommand command;
  // A name too long for the command line, or one that is no plain file name,
  // is reported like a failed start.
  if (!ComposeLaunchCommand(file, &command))
    return false;
  return StartClient(install, &command);
}

int RunLauncher() {
  const std::filesystem::path install = InstallFolder();
  ClientFile file;
  if (!install.empty())
    ReadConfig(install / "bin" / "config.ini", &file);
  if (install.empty() || !LaunchClient(install, file))
    ShowLaunchError();
  return 0;
}
