#include "launcher/launch_command.h"

#include <cstring>

namespace {

// The client is a file of bin/ itself: a word that could name a path
// elsewhere (a separator, "..", a drive's colon) or that a command line
// cannot carry (a control character, NUL among them) is refused, since the
// launcher may run elevated.
bool IsPlainFileWord(const std::string& word) {
  if (word.find("..") != std::string::npos)
    return false;
  for (const char c : word) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7f)
      return false;
  }
  return true;
}

}  // namespace

bool ComposeLaunchCommand(const ClientFile& file, LaunchCommand* command) {
  std::memset(command->command_line, 0, sizeof(command->command_line));
  command->application_name =
      kClientFolderPrefix + file.name + "." + file.extension;
  if (!IsPlainFileWord(file.name) || !IsPlainFileWord(file.extension))
    return false;
  const std::string line = command->application_name + kClientSwitches;
  if (line.size() >= sizeof(command->command_line))
    return false;
  std::memcpy(command->command_line, line.data(), line.size());
  return true;
}
