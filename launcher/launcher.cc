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
  const std::filesystem::path config = install / "bin" / "config.ini";
  bool started = !install.empty() && HoldIfTrusted(install) &&
                 HoldIfTrusted(install / "bin") && HoldIfTrusted(config);
  if (started) {
    ClientFile file;
    ReadConfig(config, &file);
    started = LaunchClient(install, file);
  }
  if (!started)
    ShowLaunchError();
  return 0;
}
