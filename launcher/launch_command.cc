#include "launcher/launch_command.h"

#include <cstring>

const char kClientSwitches[] =
    " --enable-system-flash --allow-outdated-plugins --plugin-policy=allow"
    " --no-sandbox";

bool ComposeLaunchCommand(const ClientFile& file, LaunchCommand* command) {
  std::memset(command->command_line, 0, sizeof(command->command_line));
  command->application_name =
      kClientFolderPrefix + file.name + "." + file.extension;
  // A NUL would end the file name early and cut the switches off the
  // command line: no file can be named so.
  if (command->application_name.find('\0') != std::string::npos)
    return false;
  const std::string line = command->application_name + kClientSwitches;
  if (line.size() >= sizeof(command->command_line))
    return false;
  std::memcpy(command->command_line, line.data(), line.size());
  return true;
}
