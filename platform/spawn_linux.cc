#include "platform/spawn_linux.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

namespace platform {

namespace {

// NULL-terminated pointers into |strings|, which must outlive them.
std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  pointers.reserve(strings.size() + 1);
  for (std::string& text : strings)
    pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

std::vector<std::string> EnvironmentWith(
    const std::map<std::string, std::optional<std::string>>& changes) {
  std::map<std::string, std::optional<std::string>> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const size_t equals = text.find('=');
    if (equals != std::string::npos)
      variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  for (const auto& [name, value] : changes)
    variables[name] = value;
  std::vector<std::string> entries;
  for (const auto& [name, value] : variables) {
    if (value)
      entries.push_back(name + "=" + *value);
  }
  return entries;
}

int Spawn(const SpawnRequest& request, pid_t* pid) {
  std::vector<std::string> argv = request.argv;
  std::vector<std::string> environment = request.environment;
  std::vector<char*> argv_pointers = Pointers(argv);
  std::vector<char*> environment_pointers = Pointers(environment);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!request.working_dir.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, request.working_dir.c_str());
  }
  if (!request.stderr_file.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO,
                                     request.stderr_file.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  if (request.output_fd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, request.output_fd,
                                     STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, request.output_fd,
                                     STDERR_FILENO);
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  if (request.new_process_group) {
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
  }
  const int error = posix_spawn(
      pid, request.program.c_str(), &actions, &attributes, argv_pointers.data(),
      request.environment.empty() ? environ : environment_pointers.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

}  // namespace platform
