#include "bench/watched_process_linux.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/spawn_linux.h"
#include "tests/support/process_tree_linux.h"

namespace bench {

double Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

WatchedProcess::WatchedProcess(const Launch& launch) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0)
    return;
  const int discard =
      launch.discard_output ? open("/dev/null", O_WRONLY | O_CLOEXEC) : -1;
  platform::SpawnRequest request;
  request.program = launch.argv[0];
  request.argv = launch.argv;
  request.working_dir = launch.working_dir;
  request.environment = platform::EnvironmentWith(launch.environment);
  request.output_fd = launch.discard_output ? discard : fds[1];
  request.new_process_group = true;
  start_ = Now();
  if (platform::Spawn(request, &pid_) != 0)
    pid_ = -1;
  if (discard >= 0)
    close(discard);
  close(fds[1]);
  output_fd_ = fds[0];
  fcntl(output_fd_, F_SETFL, O_NONBLOCK);
}

WatchedProcess::~WatchedProcess() {
  StopSampling();
  if (pid_ > 0 && exit_time_ < 0) {
    kill(-pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (output_fd_ >= 0)
    close(output_fd_);
}

void WatchedProcess::Poll(int timeout_ms) {
  if (output_closed_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(timeout_ms));
    return;
  }
  pollfd request = {output_fd_, POLLIN, 0};
  if (poll(&request, 1, timeout_ms) <= 0)
    return;
  char buffer[4096];
  ssize_t got;
  while ((got = read(output_fd_, buffer, sizeof(buffer))) != 0) {
    if (got < 0)
      return;
    const double arrived = Now();
    partial_.append(buffer, static_cast<size_t>(got));
    size_t end;
    while ((end = partial_.find('\n')) != std::string::npos) {
      lines_.push_back({arrived, partial_.substr(0, end)});
      partial_.erase(0, end + 1);
    }
  }
  output_closed_ = true;
}

const WatchedProcess::Line* WatchedProcess::Find(
    const std::string& text) const {
  for (const Line& line : lines_) {
    if (line.text.find(text) != std::string::npos)
      return &line;
  }
  return nullptr;
}

double WatchedProcess::LineTime(const std::string& text) const {
  const Line* line = Find(text);
  return line ? line->time : -1;
}

const std::string* WatchedProcess::FirstLine(const std::string& text) const {
  const Line* line = Find(text);
  return line ? &line->text : nullptr;
}

void WatchedProcess::StartSampling() {
  sampling_ = true;
  sampler_ = std::thread([this] {
    while (sampling_) {
      peak_kib_ = std::max(peak_kib_.load(), TreeRssKib(pid_));
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  });
}

long WatchedProcess::StopSampling() {
  sampling_ = false;
  if (sampler_.joinable())
    sampler_.join();
  return peak_kib_;
}

bool WatchedProcess::Exited() {
  if (exit_time_ >= 0)
    return true;
  int status = 0;
  if (pid_ <= 0 || waitpid(pid_, &status, WNOHANG) != pid_)
    return false;
  exit_time_ = Now();
  exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // Whatever the program left running goes with it.
  kill(-pid_, SIGKILL);
  return true;
}

bool WatchedProcess::WaitForExit(double timeout) {
  const double deadline = Now() + timeout;
  while (!Exited()) {
    if (Now() > deadline)
      return false;
    Poll(1);
  }
  return true;
}

std::string StartDemoServer(const std::string& program,
                            const std::string& work,
                            const std::string& web_version,
                            std::unique_ptr<WatchedProcess>* server) {
  const std::string port_file = work + "/port";
  *server = std::make_unique<WatchedProcess>(
      Launch{{program, "--port", "0", "--port-file", port_file,
              "--client-version", "1.0.0.0", "--web-version", web_version},
             "",
             {},
             true});
  std::string port;
  for (int i = 0; i < 100 && port.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::ifstream(port_file) >> port;
  }
  return port;
}

long TreeRssKib(pid_t root) {
  long total = 0;
  for (const ProcessInfo& process : ReadProcessTree(root))
    total += process.rss_kib;
  return total;
}

}  // namespace bench
