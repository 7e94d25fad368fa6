#include "tests/support/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "platform/spawn_linux.h"

ChildProcess::ChildProcess(const Options& options) {
  platform::SpawnRequest request;
  request.program = options.program.string();
  request.argv = options.args;
  request.argv.insert(request.argv.begin(), request.program);
  request.working_dir = options.working_dir.string();
  request.environment = platform::EnvironmentWith(options.environment);
  request.stderr_file = options.stderr_file.string();
  pid_t pid = 0;
  started_ = platform::Spawn(request, &pid) == 0;
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
