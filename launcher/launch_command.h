#ifndef LAUNCHER_LAUNCH_COMMAND_H_
#define LAUNCHER_LAUNCH_COMMAND_H_

#include <cstddef>
#include <string>

#include "launcher/client_file.h"

// Chromium switches the client needs for the system's Flash plug-in, and on
// Windows the sandbox off that the plug-in needs.
extern const char kClientSwitches[];

// "bin" and the platform's path separator, in front of the client file name.
extern const char kClientFolderPrefix[];

constexpr std::size_t kCommandLineSize = 128;

struct LaunchCommand {
  std::string application_name;
  // The application name followed by the switches, NUL-terminated.
  char command_line[kCommandLineSize];
};

// Fills |command| for |file|. Returns false, leaving the command line empty,
// when it would not fit the buffer with its terminating NUL, or when the name
// or extension holds a path separator, "..", a colon or a control character.
bool ComposeLaunchCommand(const ClientFile& file, LaunchCommand* command);

#endif  // LAUNCHER_LAUNCH_COMMAND_H_
