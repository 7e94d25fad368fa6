// Measures, over repeated runs, the time from process start to the page's
// first console message and the peak memory of the process with all its
// children, for the game client and for the bare Qt WebEngine host, side by
// side, and prints the ratios. Not a test: the numbers depend on the
// machine.
//
// startup_bench <client> <bare host> <demo server> [runs]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Sample {
  double seconds = -1;
  long peak_kib = 0;
};

// Resident memory of |root| and every process descended from it.
long TreeRssKib(pid_t root) {
  std::map<pid_t, pid_t> parents;
  std::map<pid_t, long> rss;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos)
      continue;
    std::ifstream status(entry.path() / "status");
    std::string line;
    pid_t pid = std::stoi(name);
    while (std::getline(status, line)) {
      if (line.rfind("PPid:", 0) == 0)
        parents[pid] = std::stoi(line.substr(5));
      else if (line.rfind("VmRSS:", 0) == 0)
        rss[pid] = std::stol(line.substr(6));
    }
  }
  long total = 0;
  for (const auto& [pid, kib] : rss) {
    for (pid_t p = pid; p > 1; p = parents.count(p) ? parents[p] : 0) {
      if (p == root) {
        total += kib;
        break;
      }
    }
  }
  return total;
}

Sample RunOnce(const std::vector<std::string>& command,
               const fs::path& working_dir,
               const fs::path& data_dir) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0)
    return {};
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    dup2(pipe_fds[1], STDERR_FILENO);
    close(pipe_fds[0]);
    if (chdir(working_dir.c_str()) != 0)
      _exit(127);
    setenv("XDG_DATA_HOME", data_dir.c_str(), 1);
    // Both run as root here, which Qt WebEngine allows only unsandboxed.
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    std::vector<char*> argv;
    for (const std::string& arg : command)
      argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  Sample sample;
  std::atomic<bool> done{false};
  std::atomic<long> peak_kib{0};
  std::thread sampler([&] {
    while (!done && kill(pid, 0) == 0) {
      peak_kib = std::max(peak_kib.load(), TreeRssKib(pid));
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  });
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = read(pipe_fds[0], buffer, sizeof(buffer))) > 0) {
    text.append(buffer, static_cast<size_t>(got));
    if (text.find("js: ") != std::string::npos) {
      sample.seconds =
          std::chrono::duration<double>(Clock::now() - start).count();
      break;
    }
  }
  done = true;
  sampler.join();
  sample.peak_kib = std::max(peak_kib.load(), TreeRssKib(pid));
  kill(-pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(pipe_fds[0]);
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: %s <client> <bare host> <demo server> [runs]\n",
                 argv[0]);
    return 2;
  }
  const int runs = argc > 4 ? std::atoi(argv[4]) : 5;
  // The programs start in another folder.
  const std::string client_program = fs::absolute(argv[1]);
  const std::string bare_program = fs::absolute(argv[2]);
  const fs::path work = fs::temp_directory_path() / "ztv-bench";
  fs::remove_all(work);
  fs::create_directories(work / "bin");

  const pid_t server = fork();
  if (server == 0) {
    execl(argv[3], argv[3], "--port-file", (work / "port").c_str(), nullptr);
    _exit(127);
  }
  for (int i = 0; i < 100 && !fs::exists(work / "port"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::string port;
  std::ifstream(work / "port") >> port;
  const std::string url = "http://127.0.0.1:" + port + "/login_standalone.html";
  std::ofstream(work / "bin" / "landing_page.ini") << url;
  std::ofstream(work / "bin" / "version.ini") << "1";
  std::ofstream(work / "bin" / "client_version.ini") << "1.0.0.0";

  std::vector<double> client_seconds, bare_seconds, client_kib, bare_kib;
  for (int run = 0; run < runs; ++run) {
    // A fresh profile each time, so that neither starts warm.
    fs::remove_all(work / "data");
    const Sample client =
        RunOnce({client_program, "--no-sandbox"}, work / "bin", work / "data");
    fs::remove_all(work / "data");
    const Sample bare =
        RunOnce({bare_program, url}, work / "bin", work / "data");
    std::printf("run %d: client %.3f s %ld KiB, bare host %.3f s %ld KiB\n",
                run + 1, client.seconds, client.peak_kib, bare.seconds,
                bare.peak_kib);
    client_seconds.push_back(client.seconds);
    bare_seconds.push_back(bare.seconds);
    client_kib.push_back(static_cast<double>(client.peak_kib));
    bare_kib.push_back(static_cast<double>(bare.peak_kib));
  }
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);

  const double ct = Median(client_seconds), bt = Median(bare_seconds);
  const double cm = Median(client_kib), bm = Median(bare_kib);
  std::printf(
      "median time to first console message: client %.3f s, bare host "
      "%.3f s, ratio %.2f\n",
      ct, bt, bt > 0 ? ct / bt : 0);
  std::printf(
      "median peak memory: client %.0f KiB, bare host %.0f KiB, ratio %.2f\n",
      cm, bm, bm > 0 ? cm / bm : 0);
  fs::remove_all(work);
  return 0;
}
