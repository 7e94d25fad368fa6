#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

ChildProcess::ChildProcess(const Options& options) {
  std::map<std::string, std::optional<std::string>> env;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const size_t equals = text.find('=');
    if (equals != std::string::npos)
      env[text.substr(0, equals)] = text.substr(equals + 1);
  }
  for (const auto& [name, value] : options.environment)
    env[name] = value;
  std::vector<std::string> env_text;
  for (const auto& [name, value] : env) {
    if (value)
      env_text.push_back(name + "=" + *value);
  }
  std::vector<char*> envp;
  for (std::string& text : env_text)
    envp.push_back(text.data());
  envp.push_back(nullptr);

  std::vector<std::string> args = options.args;
  args.insert(args.begin(), options.program.string());
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!options.working_dir.empty())
    posix_spawn_file_actions_addchdir_np(&actions, options.working_dir.c_str());
  if (!options.stderr_file.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO,
                                     options.stderr_file.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = 0;
  started_ = posix_spawn(&pid, options.program.c_str(), &actions, nullptr,
                         argv.data(), envp.data()) == 0;
  posix_spawn_file_actions_destroy(&actions);
  handle_ = pid;
}

ChildProcess::~ChildProcess() {
  Kill();
}

bool ChildProcess::Wait(std::chrono::milliseconds timeout, int* exit_code) {
  if (!started_ || exited_)
    return exited_;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(static_cast<pid_t>(handle_), &status, WNOHANG);
    if (done == static_cast<pid_t>(handle_)) {
      exited_ = true;
      *exit_code =
          WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return true;
    }
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void ChildProcess::Kill() {
  if (!started_ || exited_)
    return;
  kill(static_cast<pid_t>(handle_), SIGKILL);
  int status = 0;
  waitpid(static_cast<pid_t>(handle_), &status, 0);
  exited_ = true;
}
