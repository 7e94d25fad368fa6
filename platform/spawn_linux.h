#ifndef PLATFORM_SPAWN_LINUX_H_
#define PLATFORM_SPAWN_LINUX_H_

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What to start: |program| (a path) with |argv| (its first entry the
// program's name as it sees it), in |working_dir| when not empty.
struct SpawnRequest {
  std::string program;
  std::vector<std::string> argv;
  std::string working_dir;
  // "NAME=value" entries; empty keeps this process's environment.
  std::vector<std::string> environment;
  // Where the program's standard error goes; empty keeps this process's.
  std::string stderr_file;
  // When not negative, the descriptor that takes both the program's
  // standard output and its standard error.
  int output_fd = -1;
  // Starts the program in a process group of its own, which can then be
  // signalled as a whole.
  bool new_process_group = false;
};

// This process's environment as "NAME=value" entries, with |changes| made:
// a name with a value is set to it, a name without one is removed.
std::vector<std::string> EnvironmentWith(
    const std::map<std::string, std::optional<std::string>>& changes);

// Starts the program without waiting for it. Returns 0 and its process ID,
// or the error number when it could not be started.
int Spawn(const SpawnRequest& request, pid_t* pid);

}  // namespace platform

#endif  // PLATFORM_SPAWN_LINUX_H_
