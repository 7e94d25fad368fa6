// A whole evening of play: the real client on a demo page that plays hard,
// with its process tree sampled throughout. Prints a table over time and,
// after a warm-up, the memory growth per hour and how far descriptors,
// threads and processes stray from their level at the moments the page is
// quiet.
//
//   ztv_soak CLIENT DEMO_SERVER MINUTES [--check]
//
// With --check (the short run in the tests) it ends with 1 when, at a quiet
// moment after the warm-up, the processes are not back at their level, or
// descriptors or threads are further from it than kTolerance allows.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/watched_process_linux.h"
#include "tests/support/process_tree_linux.h"

namespace {

namespace fs = std::filesystem;

// The page's clock: busy for kCycle - kQuiet seconds, then quiet.
constexpr int kCycle = 30;
constexpr int kQuiet = 12;
// A quiet moment is sampled this long into the quiet part, once the last
// popup and navigation have settled.
constexpr int kSettle = 9;
// Samples for the table and the growth figures.
constexpr int kSampleSeconds = 5;

// How far a quiet moment may stray from the level. Chromium's thread pools
// start workers under load and let them go only after they have been idle
// for a while, and each thread holds a few descriptors (an event, a pipe);
// a popup's renderer may still be on its way out. Processes must be back.
struct Tolerance {
  int descriptors;
  int threads;
};
constexpr Tolerance kTolerance = {40, 12};

struct Sample {
  double minute = 0;
  bool quiet = false;
  double browser_mib = 0;
  double tree_mib = 0;
  int descriptors = 0;
  int threads = 0;
  int processes = 0;
};

Sample TakeSample(pid_t client, double start) {
  Sample sample;
  sample.minute = (bench::Now() - start) / 60;
  const std::vector<ProcessInfo> tree = ReadProcessTree(client);
  if (tree.empty())
    return sample;
  sample.browser_mib = tree[0].rss_kib / 1024.0;
  for (const ProcessInfo& process : tree) {
    sample.tree_mib += process.rss_kib / 1024.0;
    sample.descriptors += std::max(process.descriptors, 0);
    sample.threads += process.threads;
  }
  sample.processes = static_cast<int>(tree.size());
  return sample;
}

// Least-squares slope of |value| over the samples, per hour.
template <typename Value>
double GrowthPerHour(const std::vector<Sample>& samples, Value value) {
  double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (const Sample& s : samples) {
    const double x = s.minute / 60;
    const double y = value(s);
    n += 1;
    sx += x;
    sy += y;
    sxx += x * x;
    sxy += x * y;
  }
  const double denominator = n * sxx - sx * sx;
  return n < 2 || denominator == 0 ? 0 : (n * sxy - sx * sy) / denominator;
}

void PrintRow(const Sample& s) {
  std::printf("| %6.1f | %-5s | %8.1f | %8.1f | %5d | %5d | %5d |\n", s.minute,
              s.quiet ? "quiet" : "busy", s.browser_mib, s.tree_mib,
              s.descriptors, s.threads, s.processes);
  std::fflush(stdout);
}

// Seconds into the page's cycle, on the clock the page reads.
int CycleSecond() {
  return static_cast<int>(std::time(nullptr) % kCycle);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s CLIENT DEMO_SERVER MINUTES [--check]\n",
                 argv[0]);
    return 2;
  }
  const double minutes = std::atof(argv[3]);
  const bool check = argc > 4 && std::string(argv[4]) == "--check";
  // The warm-up: the first fifth of the run, at least two cycles.
  const double warm_up = std::max(minutes / 5, 2.0 * kCycle / 60);
  if (!(minutes > warm_up)) {
    std::fprintf(stderr, "the run must be longer than its warm-up\n");
    return 2;
  }

  char work_template[] = "/tmp/ztv-soak-XXXXXX";
  if (!mkdtemp(work_template))
    return 2;
  const fs::path work = work_template;
  std::unique_ptr<bench::WatchedProcess> server;
  const std::string port =
      bench::StartDemoServer(argv[2], work.string(), "1", &server);
  if (port.empty()) {
    std::fprintf(stderr, "the demo server did not start\n");
    return 2;
  }
  const fs::path bin = work / "bin";
  fs::create_directories(bin);
  std::ofstream(bin / "landing_page.ini")
      << "http://127.0.0.1:" << port << "/soak.html?cycle=" << kCycle
      << "&quiet=" << kQuiet;
  std::ofstream(bin / "client_version.ini") << "1.0.0.0";
  std::ofstream(bin / "version.ini") << "1";

  bench::WatchedProcess client(
      bench::Launch{{fs::absolute(argv[1]).string(), "--no-sandbox"},
                    bin.string(),
                    {{"XDG_DATA_HOME", (work / "data").string()},
                     {"QTWEBENGINE_DISABLE_SANDBOX", "1"}},
                    true});
  if (!client.started())
    return 2;
  const double start = client.start();
  std::printf(
      "%.0f minutes of play; the page is busy %d s and quiet %d s of "
      "every %d s; warm-up %.1f minutes\n\n",
      minutes, kCycle - kQuiet, kQuiet, kCycle, warm_up);
  std::printf("| %6s | %-5s | %8s | %8s | %5s | %5s | %5s |\n", "minute",
              "page", "browser", "tree", "fds", "thr", "procs");
  std::printf("| %6s | %-5s | %8s | %8s | %5s | %5s | %5s |\n", "", "", "MiB",
              "MiB", "", "", "");
  std::printf(
      "|--------|-------|----------|----------|-------|-------|-------|"
      "\n");

  std::vector<Sample> samples;
  std::vector<Sample> quiet;
  double next_sample = start;
  double next_row = start;
  int quiet_cycle = -1;
  while (bench::Now() - start < minutes * 60) {
    client.Poll(200);
    if (client.Exited()) {
      std::fprintf(stderr, "the client ended early with %d\n",
                   client.exit_code());
      return 1;
    }
    const long cycle_index = static_cast<long>(std::time(nullptr) / kCycle);
    if (CycleSecond() >= kCycle - kQuiet + kSettle &&
        cycle_index != quiet_cycle) {
      quiet_cycle = static_cast<int>(cycle_index);
      Sample sample = TakeSample(client.pid(), start);
      sample.quiet = true;
      quiet.push_back(sample);
      PrintRow(sample);
    }
    if (bench::Now() >= next_sample) {
      next_sample += kSampleSeconds;
      samples.push_back(TakeSample(client.pid(), start));
      if (bench::Now() >= next_row) {
        next_row += 60;
        PrintRow(samples.back());
      }
    }
  }
  kill(-client.pid(), SIGKILL);

  std::vector<Sample> warm;
  for (const Sample& s : samples) {
    if (s.minute >= warm_up)
      warm.push_back(s);
  }
  std::printf(
      "\ngrowth after the warm-up, per hour: browser process %+.1f "
      "MiB, process tree %+.1f MiB\n",
      GrowthPerHour(warm, [](const Sample& s) { return s.browser_mib; }),
      GrowthPerHour(warm, [](const Sample& s) { return s.tree_mib; }));

  const Sample* level = nullptr;
  int worst_descriptors = 0;
  int worst_threads = 0;
  int worst_processes = 0;
  for (const Sample& s : quiet) {
    if (s.minute < warm_up)
      continue;
    if (!level) {
      level = &s;
      continue;
    }
    const auto further = [](int worst, int difference) {
      return std::abs(difference) > std::abs(worst) ? difference : worst;
    };
    worst_descriptors =
        further(worst_descriptors, s.descriptors - level->descriptors);
    worst_threads = further(worst_threads, s.threads - level->threads);
    worst_processes = further(worst_processes, s.processes - level->processes);
  }
  if (!level) {
    std::printf("no quiet moment after the warm-up\n");
    return check ? 1 : 0;
  }
  std::printf(
      "quiet level after the warm-up: %d descriptors, %d threads, %d "
      "processes; furthest from it: %+d, %+d, %+d (tolerance %d, %d, "
      "0)\n",
      level->descriptors, level->threads, level->processes, worst_descriptors,
      worst_threads, worst_processes, kTolerance.descriptors,
      kTolerance.threads);
  const bool held = std::abs(worst_descriptors) <= kTolerance.descriptors &&
                    std::abs(worst_threads) <= kTolerance.threads &&
                    worst_processes == 0;
  std::printf("%s\n", held ? "back to the level at every quiet moment"
                           : "NOT back to the level");
  fs::remove_all(work);
  return check && !held ? 1 : 0;
}
