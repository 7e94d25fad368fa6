#ifndef TESTS_SUPPORT_CHILD_PROCESS_H_
#define TESTS_SUPPORT_CHILD_PROCESS_H_

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A program started by a test, in a folder of its choosing, with changes to
// the inherited environment (a missing value removes the variable).
class ChildProcess {
 public:
  struct Options {
    std::filesystem::path program;
    std::vector<std::string> args;
    std::filesystem::path working_dir;
    std::map<std::string, std::optional<std::string>> environment;
    // Linux only: where the child's standard error goes; empty keeps the
    // test's own.
    std::filesystem::path stderr_file;
  };

  explicit ChildProcess(const Options& options);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return started_; }
  // The process ID on Linux, the process handle on Windows.
  std::intptr_t handle() const { return handle_; }
  // Waits for the exit; false on time-out.
  bool Wait(std::chrono::milliseconds timeout, int* exit_code);
  void Kill();

 private:
  bool started_ = false;
  bool exited_ = false;
  std::intptr_t handle_ = 0;
};

#endif  // TESTS_SUPPORT_CHILD_PROCESS_H_
