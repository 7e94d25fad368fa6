#ifndef BENCH_WATCHED_PROCESS_LINUX_H_
#define BENCH_WATCHED_PROCESS_LINUX_H_

#include <sys/types.h>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace bench {

// Seconds on the monotonic clock, which every process of the machine shares.
double Now();

// What a program is started with.
struct Launch {
  std::vector<std::string> argv;  // argv[0] is the program's path
  std::string working_dir;
  // Put over ours; a name without a value is removed.
  std::map<std::string, std::optional<std::string>> environment;
  bool discard_output = false;  // a server's chatter nobody reads
};

// A program started in a process group of its own, with its standard output
// and error read through one pipe, line by line, each line stamped with the
// time it arrived. Optionally samples the resident memory of its whole
// process tree. Killed with its group when it goes out of scope.
class WatchedProcess {
 public:
  explicit WatchedProcess(const Launch& launch);
  ~WatchedProcess();
  WatchedProcess(const WatchedProcess&) = delete;
  WatchedProcess& operator=(const WatchedProcess&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  // When the process was started.
  double start() const { return start_; }

  // Reads what has arrived, waiting up to |timeout_ms| for something.
  void Poll(int timeout_ms);
  // The arrival time of the first line read so far that contains |text|,
  // or a negative value.
  double LineTime(const std::string& text) const;
  // The first line read so far that contains |text|, or null.
  const std::string* FirstLine(const std::string& text) const;
  // Whether every process holding the output has let go of it.
  bool output_closed() const { return output_closed_; }

  // Samples the tree's memory every 50 ms on a thread of its own until
  // StopSampling; returns the peak in KiB.
  void StartSampling();
  long StopSampling();

  // Whether the process has exited; sets exit_time() and exit_code().
  bool Exited();
  // Polls until the process exits or |timeout| seconds pass.
  bool WaitForExit(double timeout);
  double exit_time() const { return exit_time_; }
  int exit_code() const { return exit_code_; }

 private:
  struct Line {
    double time;
    std::string text;
  };
  const Line* Find(const std::string& text) const;

  pid_t pid_ = -1;
  int output_fd_ = -1;
  bool output_closed_ = false;
  double start_ = 0;
  double exit_time_ = -1;
  int exit_code_ = -1;
  std::string partial_;
  std::vector<Line> lines_;
  std::atomic<bool> sampling_{false};
  std::atomic<long> peak_kib_{0};
  std::thread sampler_;
};

// Starts the demo game server on a free port, announcing client version
// 1.0.0.0 and |web_version|, with |work| for its port file; returns the
// port, or an empty string when it did not start.
std::string StartDemoServer(const std::string& program,
                            const std::string& work,
                            const std::string& web_version,
                            std::unique_ptr<WatchedProcess>* server);

// Resident memory, in KiB, of |root| and every process descended from it.
long TreeRssKib(pid_t root);

}  // namespace bench

#endif  // BENCH_WATCHED_PROCESS_LINUX_H_
